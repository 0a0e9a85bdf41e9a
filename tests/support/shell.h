#pragma once
// Runs a shell command (a viewer's tool such as pdftotext, qpdf or unzip) and collects its standard
// output; a command that ends with an exit status other than 0 leaves "<exit status not 0>" on a last line.

#include <cstdio>
#include <string>

namespace tessalin::test {

inline std::string Shell(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        while (std::size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
        if (pclose(p) != 0) out += "\n<exit status not 0>";
    }
    return out;
}

}  // namespace tessalin::test
