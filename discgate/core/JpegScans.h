#pragma once

#include <cstddef>
#include <istream>

// A progressive JPEG is decoded scan by scan, and each scan may touch the
// whole picture again: 10,000 scans in 500 KB take half a minute, with the
// window frozen. Real pictures have about ten; more than this is refused.
inline constexpr std::size_t maximumJpegScans = 300;

// The number of scans in the JPEG data read from `data`: its start-of-scan
// markers, the bytes 0xFF 0xDA. Coded data never holds them (a coded 0xFF is
// followed by 0x00), so counting them needs no decoding; a marker inside an
// embedded thumbnail counts too, which only errs towards refusing. Counting
// stops once it passes `limit`, so a huge file is not read to its end.
std::size_t jpegScanCount(std::istream &data, std::size_t limit);
