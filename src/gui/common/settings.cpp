#include "gui/common/settings.h"

#include <QSettings>

namespace tessalin::gui {

namespace {

int ReadInt(const QSettings& s, const char* name, int fallback) {
    bool ok = false;
    const int value = s.value(name).toInt(&ok);
    return s.contains(name) && ok ? value : fallback;
}

QString ReadString(const QSettings& s, const char* name) { return s.value(name).toString(); }

constexpr const char* kFileNames[4] = {"File1", "File2", "File3", "File4"};

}  // namespace

MainSettings ReadMainSettings() {
    const QSettings s(kOrganisation, kApplication);
    MainSettings m;
    m.PosX = ReadInt(s, "PosX", m.PosX);
    m.PosY = ReadInt(s, "PosY", m.PosY);
    m.SizeX = ReadInt(s, "SizeX", m.SizeX);
    m.SizeY = ReadInt(s, "SizeY", m.SizeY);
    m.TreeX = ReadInt(s, "TreeX", m.TreeX);
    m.HWConfY = ReadInt(s, "HWConfY", m.HWConfY);
    m.Language2 = ReadInt(s, "Language2", m.Language2);
    m.CardDrive = ReadString(s, "CardDrive");
    for (int i = 0; i < 4; ++i) m.Files[i] = ReadString(s, kFileNames[i]);
    m.ExportPath = ReadString(s, "ExportPath");
    m.su = s.value("su", false).toBool();
    return m;
}

void WriteMainSettings(const MainSettings& m) {
    QSettings s(kOrganisation, kApplication);
    s.setValue("PosX", m.PosX);
    s.setValue("PosY", m.PosY);
    s.setValue("SizeX", m.SizeX);
    s.setValue("SizeY", m.SizeY);
    s.setValue("TreeX", m.TreeX);
    s.setValue("HWConfY", m.HWConfY);
    s.setValue("Language2", m.Language2);
    s.setValue("CardDrive", m.CardDrive);
    for (int i = 0; i < 4; ++i) s.setValue(kFileNames[i], m.Files[i]);
    s.setValue("ExportPath", m.ExportPath);
}

SplashSettings ReadSplashSettings() {
    const QSettings s(kOrganisation, kApplication);
    SplashSettings m;
    m.PosX = ReadInt(s, "PosX", m.PosX);
    m.PosY = ReadInt(s, "PosY", m.PosY);
    m.SizeX = ReadInt(s, "SizeX", m.SizeX);
    m.SizeY = ReadInt(s, "SizeY", m.SizeY);
    m.Language1 = ReadInt(s, "Language1", m.Language1);
    m.ShortSplash = s.contains("SU");
    return m;
}

QString ReadOpenDir() { return QSettings(kOrganisation, kApplication).value("OpenDir").toString(); }

void WriteOpenDir(const QString& dir) { QSettings(kOrganisation, kApplication).setValue("OpenDir", dir); }

}  // namespace tessalin::gui
