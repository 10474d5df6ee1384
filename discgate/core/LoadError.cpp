#include "LoadError.h"

namespace {

std::string problemText(LoadProblem problem) {
    switch (problem) {
    case LoadProblem::DescriptionMissing:
        return "メニューの設定ファイルが見つからないか、読み込めません。";
    case LoadProblem::Overflow:
        return "オーバーフローしました。ウィンドウの大きさか位置が大きすぎます。";
    case LoadProblem::PictureMissing:
        return "画像ファイルが見つかりません。";
    case LoadProblem::PictureInvalid:
        return "画像ファイルを読み込めません。";
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
