#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/configurator/configurator.h"
#include "core/data_set/checksum.h"
#include "core/data_set/par_image.h"
#include "core/workspace.h"

namespace tessalin::fuzz {

namespace {

constexpr char kMajors[] = {'5', '6', '7', '8', '9', 'A'};

// A readable header and a correct checksum over an image of `size` bytes.
std::vector<uint8_t> Repaired(const uint8_t* data, std::size_t available, std::size_t size) {
    std::vector<uint8_t> image(size, 0);
    std::memcpy(image.data(), data, available < size ? available : size);
    image[2] = static_cast<uint8_t>(kMajors[image[2] % std::size(kMajors)]);
    image[3] = '.';
    image[4] = static_cast<uint8_t>('0' + image[4] % 10);
    image[5] = ':';
    image[6] = (image[6] & 1) != 0 ? 'P' : 'B';
    ParImageBuffer scratch;
    scratch.writeBytes(0, image);
    const uint16_t crc = ImageCrc(scratch, 2, static_cast<long long>(size) - 1);
    image[0] = static_cast<uint8_t>(crc & 0xFF);
    image[1] = static_cast<uint8_t>(crc >> 8);
    return image;
}

}  // namespace

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/tessalin-fuzz-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) std::abort();
        return std::string(pattern);
    }();
    return folder;
}

void WriteFile(const std::string& path, const void* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::pair<std::string, std::string> WriteLoadableDataSet(const uint8_t* data, std::size_t size, const std::string& name) {
    const std::string front = ScratchFolder() + "/" + name + "01.PAR";
    const std::vector<uint8_t> frontImage = Repaired(data, size, kFrontSize);
    WriteFile(front, frontImage.data(), frontImage.size());
    if (size <= kFrontSize) return {front, ""};
    const std::string purgon = ScratchFolder() + "/" + name + "02.PAR";
    const std::vector<uint8_t> purgonImage = Repaired(data + kFrontSize, size - kFrontSize, kPurgonSize);
    WriteFile(purgon, purgonImage.data(), purgonImage.size());
    return {front, purgon};
}

void DropWorkspace() { ExchangeWorkspace(nullptr); }

void ConfigureSeedDevice() {
    ResetWorkspace();
    configurator::Configurator config;
    config.addCode(2);
    config.setVersion('A');
    config.setOption("optLPAR", true);
    for (int code : {1, 4, 5, 79}) config.addCode(code);
    config.commit();
}

}  // namespace tessalin::fuzz
