#include "config/ConfigFile.h"

#include "config/EditorRefresh.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QFileInfo>

int OpenConfigFile(const std::string& path, ConfigImage& image) {
    if (!LoadConfigFile(path, image)) return 0;
    // The file decides whether the meter sits behind the module; anything else is
    // reached point to point until the user chooses otherwise.
    SelectInterface(ConnectionInUse(), (image.BusSettings & kBusViaModule) ? kModule : kRS232,
                    ConnectionInUse().gatewayIndex, ConnectionInUse().moduleIndex);
    NewINIFile(ConnectionInUse());
    return 1;
}

void CmFileNew() {
    ReadINIFile(ConnectionInUse());
    InitNewConfiguration();
    ActivateObjects();
    ShowAll();
}

void CmFileOpen() {
    const std::string path = FileSelectPopup(false, EditorCaptionText(kCapOpenTitle), "*.ZRC", "*.ZRC");
    if (path.empty()) return;
    filename = path;
    if (!OpenConfigFile(filename, Konf)) return;
    ActivateObjects();
    ShowAll();
}

void CmSaveToFile() {
    ShowAll(); // the editor's date and time are those written into the file
    std::string path = FileSelectPopup(true, EditorCaptionText(kCapSaveTitle), "*.ZRC",
                                       filename.empty() ? std::string("*.ZRC") : filename);
    if (path.empty()) return;
    if (QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += ".ZRC";
    filename = path;
    SaveConfigFile(filename);
}
