#include "ShellDialogs.h"

#include "TAboutBox.h"
#include "TFm_PrjAttr.h"
#include "Tfm_guide.h"
#include "Tfm_inputfileboxname.h"
#include "Tfm_outputfile.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace {

ShellDialogs realDialogs()
{
    ShellDialogs d;
    d.editAttributes = [](TYsProject& project, QWidget* parent) { return TFm_PrjAttr(project, parent).execute(); };
    d.askFolderName = [](QWidget* parent) { return Tfm_inputfileboxname::askName(QString(), parent); };
    d.chooseNewObject = [](QWidget* parent) -> std::optional<ShellDialogs::NewObject> {
        const auto choice = Tfm_guide::choose(parent);
        if (!choice) {
            return std::nullopt;
        }
        return ShellDialogs::NewObject{choice->typeId, choice->name};
    };
    d.chooseOpenFile = [](QWidget* parent, const QString& dir, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("打开"), dir, filter);
    };
    d.chooseSaveFile = [](QWidget* parent, const QString& dir, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("保存为"), dir, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };
    d.showReport = [](Tfm_outputfile& window) { window.showModal(); };
    d.showAbout = [](QWidget* parent) { TAboutBox::showAbout(parent); };
    d.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return d;
}

} // namespace

ShellDialogs& shellDialogs()
{
    static ShellDialogs dialogs = realDialogs();
    return dialogs;
}

void resetShellDialogs()
{
    shellDialogs() = realDialogs();
}
