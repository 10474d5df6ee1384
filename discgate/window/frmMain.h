#pragma once

#include "BtnData.h"
#include "LoadError.h"
#include "Opener.h"
#include "PixelGeometry.h"

#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

class PictureButton;

// The launcher's one window: a frameless picture with picture buttons on it,
// all described by Autorun.inf. Button 0 closes the launcher; the others open
// their targets, each after an optional question.
class frmMain : public QWidget {
    Q_OBJECT
public:
    frmMain(std::filesystem::path programFolder, Opener &opener);

    // Reads Autorun.inf, sizes and places the window, loads its pictures and
    // creates the buttons, without showing the window. The caller shows it
    // when no error comes back, and otherwise reports the error and ends.
    std::optional<LoadError> Form_Load();

signals:
    // The user has finished with the launcher; the program ends.
    void ended();
    // A picture needed while the window is in use cannot be loaded; the
    // program ends after reporting it.
    void failed(const LoadError &error);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    std::optional<LoadError> createButton(int index, PixelPoint position);
    std::optional<LoadError> showPicture(int index, const std::string &path);
    void imgBotton_MouseMove(int index);
    void Form_MouseMove();
    void imgBotton_Click(int index);
    void shellexebyFileName(const std::string &strPath);

    const std::filesystem::path m_programFolder;
    Opener &m_opener;
    QPixmap m_background;
    std::vector<PictureButton *> imgBotton;
    std::vector<BtnData> BtnList;
    // The button that shows its hover picture, or -1 when none does.
    std::int32_t lngHotButton = -1;
};
