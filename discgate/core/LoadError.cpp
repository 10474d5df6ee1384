#include "LoadError.h"

namespace {

std::string problemText(LoadProblem problem) {
    switch (problem) {
    case LoadProblem::DescriptionMissing:
        return "メニューの設定ファイルが見つからないか、読み込めません。";
    case LoadProblem::DescriptionTooLarge:
        return "メニューの設定ファイルが大きすぎます (64 MB まで)。";
    case LoadProblem::Overflow:
        return "オーバーフローしました。ウィンドウの大きさか位置が大きすぎます。";
    case LoadProblem::WindowTooLarge:
        return "ウィンドウが大きすぎます。幅と高さは 16384 ピクセルまでです。";
    case LoadProblem::TooManyButtons:
        return "ボタンが多すぎます。起動ボタンは 1000 個までです。";
    case LoadProblem::PictureMissing:
        return "画像ファイルが見つかりません。";
    case LoadProblem::PictureInvalid:
        return "画像ファイルを読み込めません。";
    case LoadProblem::PictureOffMedium:
        return "画像ファイルがメディアの外にあります。";
    case LoadProblem::PictureTooLarge:
        return "画像ファイルが大きすぎます (64 MB まで)。";
    case LoadProblem::PictureFormatRefused:
        return "この形式の画像は使えません。使えるのは BMP、GIF、JPEG、PNG と ICO の画像です。";
    case LoadProblem::PicturesOverBudget:
        return "画像が大きすぎます。メニューの画像は合わせて 256 MB までです。";
    case LoadProblem::PictureTooManyScans:
        return "JPEG "
               "画像のスキャンが多すぎるか、画像が大きすぎます。読み込むと長い時間がかかります。";
    }
    return {};
}

} // namespace

std::string loadErrorMessage(const LoadError &error) {
    std::string message = problemText(error.problem) + "\n\n" + error.file;
    if (!error.detail.empty())
        message += "\n" + error.detail;
    return message;
}
