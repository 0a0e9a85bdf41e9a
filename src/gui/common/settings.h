#pragma once
// The user's settings: one key "Morvane/Tessalin3000" of the per-user settings store, with the
// window placement, the languages, the memory-card drive, the recent files and the folders.
// Missing values keep their defaults; the key is created on the first write.

#include <QString>

#include <array>

namespace tessalin::gui {

// The settings key: QSettings(kOrganisation, kApplication).
inline constexpr const char* kOrganisation = "Morvane";
inline constexpr const char* kApplication = "Tessalin3000";

// What the main window reads at creation and writes when it closes.
struct MainSettings {
    int PosX = 20;
    int PosY = 12;
    int SizeX = 799;
    int SizeY = 616;
    int TreeX = 295;
    int HWConfY = 200;
    int Language2 = 0;  // DeviceLanguage
    QString CardDrive;
    std::array<QString, 4> Files;  // File1 … File4, most recent first
    QString ExportPath;
    bool su = false;  // expert switch: no save question; read only
};

MainSettings ReadMainSettings();
// Writes everything but the read-only "su".
void WriteMainSettings(const MainSettings& settings);

// What the splash window reads when it is created.
struct SplashSettings {
    int PosX = 200;
    int PosY = 200;
    int SizeX = 799;
    int SizeY = 616;
    int Language1 = 0;      // UiLanguage while the main window does not exist yet
    bool ShortSplash = false;  // "SU" exists: the splash stays 500 ms instead of 5000 ms
};

SplashSettings ReadSplashSettings();

// The initial folder of the two open dialogs of the load dialog.
QString ReadOpenDir();
void WriteOpenDir(const QString& dir);

}  // namespace tessalin::gui
