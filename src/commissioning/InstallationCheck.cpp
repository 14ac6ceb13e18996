#include "commissioning/InstallationCheck.h"

// Placeholder bodies so that the panel, zaro-cli and the record build against the
// interface; the checks themselves replace them.
InstallationSnapshot SnapshotOf(MeterSession& session) {
    InstallationSnapshot s;
    s.config = session.read;
    return s;
}
InstallationSnapshot MedianOf(const std::vector<InstallationSnapshot>& reads) {
    return reads.empty() ? InstallationSnapshot{} : reads.front();
}
bool ReadInstallationSnapshot(MeterSession& session, InstallationSnapshot& out, int) {
    out = SnapshotOf(session);
    return true;
}
std::vector<InstallationFinding> CheckInstallation(const InstallationSnapshot&) {
    return {};
}
QString CheckTitle(InstallationCheckKind) {
    return {};
}
QString FindingSentence(const InstallationFinding&) {
    return {};
}
const char* VerdictName(Verdict verdict) {
    return verdict == Verdict::Ok ? "ok" : verdict == Verdict::Warn ? "warn" : "fail";
}
const char* CheckKindName(InstallationCheckKind) {
    return "";
}
Verdict WorstVerdict(const std::vector<InstallationFinding>& findings) {
    Verdict worst = Verdict::Ok;
    for (const auto& f : findings)
        if (int(f.verdict) > int(worst)) worst = f.verdict;
    return worst;
}
