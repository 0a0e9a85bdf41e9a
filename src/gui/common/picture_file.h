#pragma once
// Pictures as PNG files, written through the one file writer like every other file.

#include <QImage>

#include <string>

#include "core/files/safe_write.h"

namespace tessalin::gui {

WriteResult WritePngFile(const std::string& path, const QImage& image);

}  // namespace tessalin::gui
