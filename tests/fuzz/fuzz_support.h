#pragma once
// What the fuzz targets share: a data set that gets past the loader's checks made from any bytes, and a
// scratch folder of their own for the files they write.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tessalin::fuzz {

// The folder the targets write their files into, made once per run.
const std::string& ScratchFolder();

void WriteFile(const std::string& path, const void* data, std::size_t size);
std::vector<uint8_t> ReadFile(const std::string& path);

// Writes the bytes as a data set into the scratch folder, "<name>01.PAR" and, when the bytes reach beyond
// a FRONT image, "<name>02.PAR": a readable header ("M.m:V") and a correct checksum are put into each, so
// that the bytes get past the loader's checks. Returns the FRONT and the Purgon path (empty without).
std::pair<std::string, std::string> WriteLoadableDataSet(const uint8_t* data, std::size_t size, const std::string& name);

// Ends an input: its workspace goes with it. An input that frees as much as it allocates gives the fuzzer
// no reason to search the memory for leaks after it, which took a fifth of the loader target's time when
// every input left its workspace to the next one.
void DropWorkspace();

// Makes a configuration with a pH and a conductivity module and a Purgon controller in the workspace
// through the configurator: the device the seeds of settings files and command lines were made from.
void ConfigureSeedDevice();

}  // namespace tessalin::fuzz
