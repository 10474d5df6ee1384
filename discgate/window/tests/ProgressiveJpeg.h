#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <jpeglib.h>
#include <vector>

// Writes a progressive JPEG of one flat colour in 4:4:4 whose scans refine
// bands of three coefficients again and again, as a hostile medium would: the
// file stays small, and every scan makes the decoder visit every coefficient
// of its band in the whole picture. After one scan of the DC coefficients,
// each band has a first scan and ten refinements, until `scans` are written.
// Arithmetic coding, where asked for, makes each refinement cost more.
inline bool writeProgressiveJpeg(const std::filesystem::path &path, int side, int scans,
                                 bool arithmetic = false) {
    std::vector<jpeg_scan_info> script(1, jpeg_scan_info{3, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int component = 0; component < 3; ++component) {
        for (int first = 1; first <= 63; first += 3) {
            for (int low = 10; low >= 0; --low)
                script.push_back(
                    {1, {component}, first, std::min(first + 2, 63), low == 10 ? 0 : low + 1, low});
        }
    }
    script.resize(std::min<std::size_t>(script.size(), std::size_t(scans)));
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    jpeg_stdio_dest(&compressor, file);
    compressor.image_width = compressor.image_height = JDIMENSION(side);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    compressor.comp_info[0].h_samp_factor = compressor.comp_info[0].v_samp_factor = 1;
    compressor.arith_code = arithmetic ? TRUE : FALSE;
    compressor.scan_info = script.data();
    compressor.num_scans = int(script.size());
    jpeg_start_compress(&compressor, TRUE);
    std::vector<JSAMPLE> row(std::size_t(side) * 3, 128);
    for (JSAMPROW rows[] = {row.data()}; compressor.next_scanline < compressor.image_height;)
        jpeg_write_scanlines(&compressor, rows, 1);
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    return std::fclose(file) == 0;
}
