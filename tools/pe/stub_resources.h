// A launcher stub made ready for a payload: its headers checked (a 32-bit Windows GUI
// program), its signature dropped, and optionally its resources replaced by a new
// resource section appended behind the image. Everything else stays byte for byte.
#pragma once
#include <cstdint>
#include <vector>

#include "pe/pe_image.h"
#include "pe/resources.h"

namespace pe {
// Throws FormatError saying why image cannot be a launcher stub.
void CheckLauncherStub(const Image& image);

// The stub without a certificate table (the security directory is cleared and a table
// at the end of the file is cut off); the image is parsed again from the result.
std::vector<uint8_t> WithoutSignature(const std::vector<uint8_t>& stub);

// The stub with resources as its resource directory: a section ".rsrc" is appended
// (its header behind the last one, its data at the end of the file, aligned), the
// resource directory entry, the section count and the image size are updated. The old
// resource section stays in place, unused. Throws FormatError when the headers have no
// room for one more section header.
std::vector<uint8_t> WithResources(const std::vector<uint8_t>& stub, const std::vector<Resource>& resources);
}  // namespace pe
