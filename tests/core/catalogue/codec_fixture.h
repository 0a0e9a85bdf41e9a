#pragma once
// Shared set-up for the value codec tests: a clean workspace with a device of a chosen software version
// and module types, and a parameter entry made current.

#include <gtest/gtest.h>

#include "core/catalogue/codec.h"
#include "core/workspace.h"

namespace tessalin::test {

class CodecTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        version('9', '0');
    }
    void TearDown() override { ResetWorkspace(); }

    static void version(char major, char minor) {
        Ws().Device.Front.SwMajor = major;
        Ws().Device.Front.SwMinor = minor;
    }

    // Makes `entry` current for a module of `moduleType` in slot `slot` (position 4 + slot for module
    // slots, 8 + slot - 3 for calculation blocks).
    void use(const TParamEntry& entry, int moduleType, uint8_t slot = 0) {
        entry_ = entry;
        Workspace& ws = Ws();
        ws.CurrentParam.moduleType = moduleType;
        ws.CurrentParam.slot = slot;
        ws.CurrentParam.position = static_cast<uint8_t>(slot < 3 ? 4 + slot : 5 + slot);
        ws.CurrentParam.param = &entry_;
    }

    static TParamEntry number(Location location, uint8_t valueType, uint32_t flags = 0, uint8_t scale = 0) {
        TParamEntry e;
        e.kind = kKindNumber;
        e.location = location;
        e.valueType = valueType;
        e.flags = flags;
        e.scale = scale;
        return e;
    }

    static std::string shown() {
        TIPretSingle p;
        ReadNumber(p);
        return p.text;
    }

    static TICheckValue check(const std::string& input, const std::string& unit = "") {
        TICheckValue c;
        c.input = input;
        c.unit = unit;
        CheckNumber(c);
        return c;
    }

    TParamEntry entry_;
};

}  // namespace tessalin::test
