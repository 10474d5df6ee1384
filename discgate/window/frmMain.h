#pragma once

#include "BtnData.h"
#include "LauncherDescription.h"
#include "LoadError.h"
#include "MenuSource.h"
#include "Opener.h"
#include "PixelGeometry.h"
#include "Result.h"
#include "TargetStart.h"

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <set>
#include <vector>

class ClientArea;
class PictureButton;
class PictureStore;

// The launcher's skinned window: a picture with picture buttons on it inside a
// fixed dialog frame, all described by Autorun.inf. The window system gives it
// no frame or title bar; it draws its dialog frame itself. Button 0 closes the
// launcher; the others open their targets, each after an optional question.
class frmMain : public QWidget {
    Q_OBJECT
public:
    // A menu from a folder rather than a medium asks before it runs anything.
    frmMain(std::filesystem::path programFolder, Opener &opener,
            MenuSource source = MenuSource::Medium);

    // Gives the window the face that assistive technology reads; once, before
    // the first window is made.
    static void installAccessibleInterfaces();

    // Sizes and places the window as `description` says, decodes all its
    // pictures and creates the buttons, without showing the window. The
    // caller shows it when this works, and otherwise reports the error and
    // ends.
    Result<void, LoadError> Form_Load(LauncherDescription description);

signals:
    // The user has finished with the launcher; the program ends.
    void ended();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Result<void, LoadError> createButton(int index, PixelPoint position, PictureStore &pictures);
    void imgBotton_MouseMove(int index);
    void Form_MouseMove();
    void imgBotton_Click(int index);
    // Opens the target of button `index`, or tells the user why it did not
    // open, and then ends the launcher when `after` says so.
    void shellexebyFileName(int index, AfterStart after);

    const std::filesystem::path m_programFolder;
    Opener &m_opener;
    const MenuSource m_source;
    ClientArea *const m_client;
    std::vector<PictureButton *> imgBotton;
    std::vector<BtnData> BtnList;
    // The button that shows its hover picture, or -1 when none does.
    std::int32_t lngHotButton = -1;
    // The buttons whose start the desktop has neither taken nor refused yet.
    std::set<int> m_pendingStarts;
    // A start that ends the launcher is under way: the menu is gone.
    bool m_ending = false;
};
