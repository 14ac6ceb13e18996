#include "config/ConfigFile.h"

#include "config/ConfigTransfer.h"
#include "config/EditorRefresh.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QFileInfo>

int OpenConfigFile(MeterSession& session, const std::string& path, ConfigImage& image) {
    if (!LoadConfigFile(path, image)) return 0;
    // The file decides whether the meter sits behind the module; anything else is
    // reached point to point until the user chooses otherwise.
    SelectInterface(session.connection, (image.BusSettings & kBusViaModule) ? kModule : kRS232,
                    session.connection.gatewayIndex, session.connection.moduleIndex);
    NewINIFile(session);
    return 1;
}

// A new or opened configuration is no longer the one the last transfer was about.
void StartOver(MeterSession& session) {
    ActivateObjects();
    ShowAll();
    KeepEdits(session);
    session.transfer = TransferReport{};
    ShowEditState();
}

void CmFileNew(MeterSession& session) {
    ReadINIFile(session);
    InitNewConfiguration(session);
    StartOver(session);
}

void CmFileOpen(MeterSession& session) {
    const std::string path = FileSelectPopup(false, EditorCaptionText(kCapOpenTitle), "*.ZRC", "*.ZRC");
    if (path.empty()) return;
    session.configFile = path;
    if (!OpenConfigFile(session, session.configFile, session.edited)) return;
    StartOver(session);
}

int CmSaveToFile(MeterSession& session) {
    ShowAll(); // the editor's date and time are those written into the file
    std::string path =
        FileSelectPopup(true, EditorCaptionText(kCapSaveTitle), "*.ZRC",
                        session.configFile.empty() ? std::string("*.ZRC") : session.configFile);
    if (path.empty()) return 0;
    if (QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += ".ZRC";
    session.configFile = path;
    if (!SaveConfigFile(session, session.configFile)) return 0;
    KeepEdits(session);
    ShowEditState();
    return 1;
}
