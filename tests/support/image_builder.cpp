#include "support/image_builder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "core/data_set/checksum.h"
#include "core/workspace.h"

namespace tessalin::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "tessalin-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Restore write permission that a test may have taken away, then remove everything.
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

ImageBuilder::ImageBuilder() {
    version('9', '0');
    variant('B');
    image_.setU8(3, '.');
    image_.setU8(5, ':');
}

ImageBuilder& ImageBuilder::version(char major, char minor) {
    image_.setU8(2, static_cast<uint8_t>(major));
    image_.setU8(4, static_cast<uint8_t>(minor));
    return *this;
}

ImageBuilder& ImageBuilder::variant(char v) {
    image_.setU8(6, static_cast<uint8_t>(v));
    return *this;
}

ImageBuilder& ImageBuilder::frontHardware(uint8_t hwVersion) { return setByte(8192, hwVersion); }
ImageBuilder& ImageBuilder::frontBrand(uint8_t brandByte) { return setByte(8193, brandByte); }
ImageBuilder& ImageBuilder::frontSerial(uint32_t serial) { return setU32(8194, serial); }
ImageBuilder& ImageBuilder::options(uint32_t optionWord) { return setU32(8224, optionWord); }

ImageBuilder& ImageBuilder::base(uint8_t code, uint8_t swPacked, uint8_t hwVersion, uint8_t brandByte,
                                 uint32_t serial) {
    setByte(8208, code);
    setByte(8209, swPacked);
    setByte(8210, hwVersion);
    setByte(8211, brandByte);
    return setU32(8212, serial);
}

ImageBuilder& ImageBuilder::slot(int s, uint8_t code, uint8_t recIndex, uint8_t slotMask) {
    setByte(36 + 5 * s, code);
    setByte(37 + 5 * s, recIndex);
    return setByte(38 + 5 * s, slotMask);
}

ImageBuilder& ImageBuilder::record(int k, const IdentityRecord& rec) {
    const long long at = 8256 + 8LL * k;
    setByte(at, rec.hwId);
    setByte(at + 1, rec.swVersion);
    setByte(at + 2, rec.hwVersion);
    setByte(at + 3, rec.brandByte);
    return setU32(at + 4, rec.serial);
}

ImageBuilder& ImageBuilder::attach(int s, uint8_t code) { return setByte(61 + s, code); }

ImageBuilder& ImageBuilder::iModule(uint8_t code, uint8_t swPacked, uint8_t hwVersion) {
    setByte(8286, code);
    setByte(8287, swPacked);
    return setByte(8288, hwVersion);
}

// The two calculation blocks' entries follow the three slots' in the same five-byte layout.
ImageBuilder& ImageBuilder::calcBlock(int c, uint8_t code, uint8_t recIndex, uint8_t slotMask) {
    return slot(3 + c, code, recIndex, slotMask);
}

ImageBuilder& ImageBuilder::purgon() {
    for (long long i = 2; i < 36; ++i) image_.setU8(static_cast<long long>(kPurgonOffset) + i, image_.u8(i));
    return *this;
}

ImageBuilder& ImageBuilder::setByte(long long index, uint8_t value) {
    image_.setU8(index, value);
    return *this;
}

ImageBuilder& ImageBuilder::setU16(long long index, uint16_t value) {
    image_.setU16(index, value);
    return *this;
}

ImageBuilder& ImageBuilder::setU32(long long index, uint32_t value) {
    image_.setU32(index, value);
    return *this;
}

bool ImageBuilder::hasPurgon() const { return image_.u8(static_cast<long long>(kPurgonOffset) + 2) != 0; }

ParImageBuffer ImageBuilder::build() const {
    ParImageBuffer out = image_;
    StoreFreshCrc(out, ImageKind::Front);
    if (hasPurgon()) StoreFreshCrc(out, ImageKind::Purgon);
    return out;
}

std::pair<std::string, std::string> ImageBuilder::writeFiles(const TempDir& dir, const std::string& frontName,
                                                             const std::string& purgonName) const {
    const ParImageBuffer image = build();
    const std::string front = dir.file(frontName);
    WriteImageFile(front, image, kFrontOffset, kFrontSize);
    std::string purgonPath;
    if (hasPurgon()) {
        purgonPath = dir.file(purgonName);
        WriteImageFile(purgonPath, image, kPurgonOffset, kPurgonSize);
    }
    return {front, purgonPath};
}

void WriteImageFile(const std::string& path, const ParImageBuffer& image, std::size_t offset, std::size_t length) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto bytes = image.bytes(static_cast<long long>(offset), length);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write test file " + path);
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void InstallImage(const ParImageBuffer& image) { Ws().ParImage = image; }

}  // namespace tessalin::test
