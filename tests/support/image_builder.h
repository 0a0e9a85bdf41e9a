#pragma once
// Builds parameter images for tests: version, variant, slot table, identity records, any byte; fixes
// both checksums; writes the FRONT and Purgon files into a temporary folder.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/data_set/par_image.h"

namespace tessalin::test {

// A temporary folder removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

struct IdentityRecord {
    uint8_t hwId = 255;
    uint8_t swVersion = 0;
    uint8_t hwVersion = 0;
    uint8_t brandByte = 0;
    uint32_t serial = 0;
};

class ImageBuilder {
public:
    // A valid FRONT image of software 9.0, variant 'B', empty slots, no Purgon image.
    ImageBuilder();

    ImageBuilder& version(char major, char minor);
    ImageBuilder& variant(char v);
    ImageBuilder& frontHardware(uint8_t hwVersion);
    ImageBuilder& frontBrand(uint8_t brandByte);
    ImageBuilder& frontSerial(uint32_t serial);
    ImageBuilder& options(uint32_t optionWord);
    // Base identity bytes 8208..8215 (read from software 5.3 on).
    ImageBuilder& base(uint8_t code, uint8_t swPacked = 0x11, uint8_t hwVersion = 1, uint8_t brandByte = 0,
                       uint32_t serial = 0);
    // Slot s (0..2): module code, identity-record index and slot mask in the slot table.
    ImageBuilder& slot(int s, uint8_t code, uint8_t recIndex, uint8_t slotMask);
    // Identity record k at 8256 + 8k.
    ImageBuilder& record(int k, const IdentityRecord& rec);
    // Slot table bytes 61..63: how the sensor of slot s is attached.
    ImageBuilder& attach(int s, uint8_t code);
    // I-module code and versions at 8286..8288.
    ImageBuilder& iModule(uint8_t code, uint8_t swPacked, uint8_t hwVersion);
    // Calculation block c (0, 1): code, record index, slot mask.
    ImageBuilder& calcBlock(int c, uint8_t code, uint8_t recIndex, uint8_t slotMask);
    // A Purgon image whose header is a copy of the FRONT header.
    ImageBuilder& purgon();
    ImageBuilder& setByte(long long index, uint8_t value);
    ImageBuilder& setU16(long long index, uint16_t value);
    ImageBuilder& setU32(long long index, uint32_t value);

    // The image with both checksums fixed (the Purgon one only when a Purgon image is present).
    ParImageBuffer build() const;
    bool hasPurgon() const;

    // Writes the FRONT file (and the Purgon file when present) into dir; returns {front, purgon} paths,
    // purgon empty when there is no Purgon image.
    std::pair<std::string, std::string> writeFiles(const TempDir& dir, const std::string& frontName = "BACKUP01.PAR",
                                                   const std::string& purgonName = "BACKUP02.PAR") const;

private:
    ParImageBuffer image_;
};

// Writes bytes [offset, offset + length) of an image to a file.
void WriteImageFile(const std::string& path, const ParImageBuffer& image, std::size_t offset, std::size_t length);
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// Loads an image into the workspace directly (no checks), fixing nothing; for tests of later layers.
void InstallImage(const ParImageBuffer& image);

}  // namespace tessalin::test
