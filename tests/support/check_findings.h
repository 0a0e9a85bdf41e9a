#pragma once
// Findings of the data-set check as text for test messages.

#include <string>
#include <vector>

#include "core/check/finding.h"

namespace tessalin::test {

inline std::string Describe(const std::vector<check::Finding>& findings) {
    std::string out;
    for (const check::Finding& f : findings)
        out += std::string(check::KindName(f.kind)) + " " + f.path + " [" + f.node + "] set " + f.set + " row " +
               std::to_string(f.row) + " " + f.label + ": " + f.stored + " (accepts " + f.accepted + ") -> " +
               f.repair + "\n";
    return out;
}

}  // namespace tessalin::test
