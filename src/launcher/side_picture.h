// The launcher's side picture, kept in the program as a zlib-compressed BMP file (an
// RCDATA resource) so that every packed program carries a few kilobytes instead of the
// whole bitmap.
#pragma once
#include <windows.h>

// The picture of the RCDATA resource name of this program as a new bitmap (the caller
// owns it); null when the resource is missing or does not hold a valid picture.
HBITMAP LoadCompressedPicture(const wchar_t* name) noexcept;
