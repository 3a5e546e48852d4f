#include "Cli.h"

#include "BeamCommand.h"

#include "core/AppPaths.h"
#include "core/Kinds.h"
#include "core/Messages.h"
#include "core/ProjectFile.h"
#include "core/TYsObj.h"
#include "core/TYsProject.h"
#include "core/YsError.h"
#include "report/CalculationObject.h"
#include "report/ReportExport.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kUsageText = "用法: yunshan-cli [--home DIR] [--password TEXT] 命令 ...\n"
                               "  new FILE.yss [--name NAME]\n"
                               "  add FILE.yss KIND NAME [--parent INDEX]\n"
                               "  list FILE.yss\n"
                               "  get FILE.yss INDEX|project [KEY]\n"
                               "  set FILE.yss INDEX|project KEY=VALUE...\n"
                               "  report FILE.yss INDEX [-o OUT] [--format rtf|odt|pdf|html|txt]\n"
                               "  report FILE.yss --all -o DIR [--format ...]\n"
                               "  beam OPERATION ARG...\n";

struct Options
{
    QStringList positional;
    std::optional<QString> password;
    std::optional<QString> name;
    std::optional<QString> parent;
    std::optional<QString> output;
    std::optional<QString> format;
    bool all = false;
};

// Thrown for a usage error (exit 2) or a failed operation (exit 1), with the text to print.
struct CliFailure
{
    int status;
    QString text;
};

[[noreturn]] void usage(const QString& text)
{
    throw CliFailure{kUsage, text};
}
[[noreturn]] void failed(const QString& text)
{
    throw CliFailure{kFailed, text};
}

Options parseOptions(const QStringList& args)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size()) {
                usage(QStringLiteral("选项%1缺少取值").arg(a));
            }
            return args[++i];
        };
        if (a == QLatin1String("--password")) {
            o.password = value();
        } else if (a == QLatin1String("--home")) {
            AppPaths::setHomeOverride(value());
        } else if (a == QLatin1String("--name")) {
            o.name = value();
        } else if (a == QLatin1String("--parent")) {
            o.parent = value();
        } else if (a == QLatin1String("-o")) {
            o.output = value();
        } else if (a == QLatin1String("--format")) {
            o.format = value();
        } else if (a == QLatin1String("--all")) {
            o.all = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            usage(QStringLiteral("未知的选项%1").arg(a));
        } else {
            o.positional << a;
        }
    }
    return o;
}

qint32 parseIndex(const QString& text)
{
    bool ok = false;
    const qint32 v = text.toInt(&ok);
    if (!ok) {
        usage(QStringLiteral("%1不是对象编号").arg(text));
    }
    return v;
}

std::unique_ptr<TYsProject> openProject(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        failed(QStringLiteral("打开的文件不存在!"));
    }
    ProjectFile::ReadResult r = ProjectFile::read(path);
    switch (r.status) {
    case ProjectFile::Status::Ok:
        return std::move(r.project);
    case ProjectFile::Status::Foreign:
        failed(QStringLiteral("%1不是工程文件").arg(path));
    case ProjectFile::Status::Cancelled:
        failed(QStringLiteral("工程设有密码，请用--password给出密码"));
    default:
        break;
    }
    // The reader has already told the reason through the messages, which the command line prints.
    throw CliFailure{kFailed, QString()};
}

void saveProject(TYsProject& project)
{
    if (!ProjectFile::write(project)) {
        throw CliFailure{kFailed, QString()};
    }
}

// The object an INDEX argument names; std::nullopt for "project".
std::optional<qint32> parseTarget(const QString& text)
{
    if (text == QLatin1String("project")) {
        return std::nullopt;
    }
    return parseIndex(text);
}

TYsObj& liveObject(TYsProject& project, qint32 index)
{
    TYsObj* obj = project.findLive(index);
    if (!obj) {
        failed(QStringLiteral("工程中没有编号为%1的对象").arg(index));
    }
    return *obj;
}

void printList(const TMyList& list, const std::optional<QString>& key, QTextStream& out)
{
    if (key) {
        const Tmyrecord* r = list.FindItem(*key);
        if (!r) {
            failed(QStringLiteral("没有参数%1").arg(*key));
        }
        out << r->Value.toText() << '\n';
        return;
    }
    for (int i = 0; i < list.Count(); ++i) {
        out << list.name(i) << '=' << list.record(i).Value.toText() << '\n';
    }
}

int cmdNew(const Options& o)
{
    if (o.positional.size() != 2) {
        usage(QStringLiteral("new需要一个文件名"));
    }
    const QString path = o.positional[1];
    if (QFileInfo::exists(path)) {
        failed(QStringLiteral("文件已经存在: %1").arg(path));
    }
    TYsProject project;
    project.prjdate.clear();
    project.prjname = o.name.value_or(QString());
    project.FileName = path;
    saveProject(project);
    return kOk;
}

int cmdAdd(const Options& o, QTextStream& out)
{
    if (o.positional.size() != 4) {
        usage(QStringLiteral("add需要文件名、类型和名称"));
    }
    const int kind = kindCodeFor(o.positional[2]);
    if (kind == 0) {
        usage(QStringLiteral("未知的计算类型%1").arg(o.positional[2]));
    }
    const QString caption = o.positional[3];
    if (caption.trimmed().isEmpty()) {
        failed(kind <= 1 ? QStringLiteral("文件夹名不能为空！") : QStringLiteral("脚手架名不能为空！"));
    }
    auto project = openProject(o.positional[1]);
    qint32 parent = -1;
    if (o.parent) {
        parent = parseIndex(*o.parent);
        const TYsObj* folder = parent == -1 ? nullptr : project->findLive(parent);
        if (parent != -1 && (!folder || !folder->isFolder())) {
            failed(QStringLiteral("编号%1不是工程中的文件夹").arg(*o.parent));
        }
    }
    std::unique_ptr<TYsObj> obj = createObject(kind);
    if (kind > 1) {
        QString error;
        if (!obj->LoadDefaults(&error)) {
            failed(error);
        }
    }
    obj->Caption = caption;
    obj->TypeId = kind;
    obj->Index = project->NewIndex();
    obj->P_index = parent;
    const qint32 index = obj->Index;
    project->addObject(std::move(obj));
    project->Modified = true;
    saveProject(*project);
    out << index << '\n';
    return kOk;
}

int cmdList(const Options& o, QTextStream& out)
{
    if (o.positional.size() != 2) {
        usage(QStringLiteral("list需要一个文件名"));
    }
    auto project = openProject(o.positional[1]);
    for (const TYsProject::TreeNode& node : project->tree()) {
        out << node.obj->Index << '\t' << node.obj->P_index << '\t' << node.obj->TypeId << '\t' << node.obj->Caption
            << '\n';
    }
    return kOk;
}

int cmdGet(const Options& o, QTextStream& out)
{
    if (o.positional.size() < 3 || o.positional.size() > 4) {
        usage(QStringLiteral("get需要文件名和对象编号(或project)"));
    }
    const std::optional<qint32> target = parseTarget(o.positional[2]);
    auto project = openProject(o.positional[1]);
    const std::optional<QString> key = o.positional.size() == 4 ? std::optional(o.positional[3]) : std::nullopt;
    if (!target) {
        project->StoreToPropList();
        printList(project->PropList, key, out);
    } else {
        TYsObj& obj = liveObject(*project, *target);
        obj.StoreToPropList();
        printList(obj.PropList, key, out);
    }
    return kOk;
}

std::pair<QString, QString> splitAssignment(const QString& text)
{
    const int eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0) {
        usage(QStringLiteral("%1不是KEY=VALUE的形式").arg(text));
    }
    return {text.left(eq), text.mid(eq + 1)};
}

[[noreturn]] void badValue(const QString& key, const QString& value)
{
    failed(QStringLiteral("参数%1的值“%2”无法识别").arg(key, value));
}

void setObjectValue(TYsProject& project, TYsObj& obj, const QString& key, const QString& value)
{
    const PropertyBinding<TYsObj>* b = obj.Bindings().find(key);
    if (!b) {
        failed(QStringLiteral("对象%1没有参数%2").arg(obj.Index).arg(key));
    }
    const QString k = TMyList::matchKey(key);
    if (k == QLatin1String("INDEX") || k == QLatin1String("TYPEID")) {
        failed(QStringLiteral("参数%1由工程管理，不能修改").arg(key));
    }
    if (k == QLatin1String("CAPTION") && value.trimmed().isEmpty()) {
        failed(obj.isFolder() ? QStringLiteral("文件夹名不能为空！") : QStringLiteral("脚手架名不能为空！"));
    }
    if (k == QLatin1String("P_INDEX")) {
        bool ok = false;
        const qint32 parent = value.trimmed().toInt(&ok);
        if (!ok) {
            badValue(key, value);
        }
        // The new parent must be the root or a live folder outside the object's own subtree.
        if (parent != -1) {
            const TYsObj* folder = project.findLive(parent);
            if (!folder || !folder->isFolder()) {
                failed(QStringLiteral("编号%1不是工程中的文件夹").arg(parent));
            }
            for (const TYsObj* up = folder; up; up = up->P_index == -1 ? nullptr : project.findLive(up->P_index)) {
                if (up == &obj) {
                    failed(QStringLiteral("不能把对象移到它自己的下级"));
                }
                if (up->P_index == up->Index) {
                    break;
                }
            }
        }
    }
    if (!b->set(obj, PropValue(value))) {
        badValue(key, value);
    }
}

void setProjectValue(TYsProject& project, const QString& key, const QString& value)
{
    const PropertyBinding<TYsProject>* b = TYsProject::Bindings().find(key);
    if (!b) {
        failed(QStringLiteral("工程没有参数%1").arg(key));
    }
    if (TMyList::matchKey(key) == QLatin1String("PASSWORD")) {
        project.setPassword(value);
        return;
    }
    if (!b->set(project, PropValue(value))) {
        badValue(key, value);
    }
}

int cmdSet(const Options& o)
{
    if (o.positional.size() < 4) {
        usage(QStringLiteral("set需要文件名、对象编号(或project)和KEY=VALUE"));
    }
    QList<std::pair<QString, QString>> assignments;
    for (int i = 3; i < o.positional.size(); ++i) {
        assignments << splitAssignment(o.positional[i]);
    }
    const std::optional<qint32> target = parseTarget(o.positional[2]);
    auto project = openProject(o.positional[1]);
    // Every assignment is checked before anything is written: one bad key leaves the file untouched.
    if (!target) {
        for (const auto& [key, value] : assignments) {
            setProjectValue(*project, key, value);
        }
    } else {
        TYsObj& obj = liveObject(*project, *target);
        for (const auto& [key, value] : assignments) {
            setObjectValue(*project, obj, key, value);
        }
    }
    project->Modified = true;
    saveProject(*project);
    return kOk;
}

// A caption as a file name: characters that file systems refuse become "_".
QString fileNameFor(const QString& caption)
{
    QString name = caption.trimmed();
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (refused.contains(c) || c.unicode() < 32) {
            c = QLatin1Char('_');
        }
    }
    return name.isEmpty() ? QStringLiteral("计算书") : name;
}

void writeBook(TYsProject& project, TYsObj& obj, const QString& path, ExportFormat format, QTextStream& out)
{
    obj.myActivePrj = &project;
    ReportDocument report;
    writeReportOf(obj, report);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (!exportReport(report.document(), path, format, &error)) {
        failed(QStringLiteral("计算书%1无法写入：%2").arg(path, error));
    }
    out << path << '\n';
}

int cmdReport(const Options& o, QTextStream& out)
{
    if (o.positional.size() != (o.all ? 2 : 3)) {
        usage(QStringLiteral("report需要文件名和对象编号(或--all)"));
    }
    std::optional<ExportFormat> format;
    if (o.format) {
        format = exportFormatNamed(*o.format);
        if (!format) {
            usage(QStringLiteral("未知的格式%1").arg(*o.format));
        }
    } else if (o.output && !o.all) {
        format = exportFormatForFile(*o.output);
    }
    const ExportFormat f = format.value_or(ExportFormat::Rtf);
    if (o.all) {
        if (!o.output) {
            usage(QStringLiteral("report --all需要-o DIR"));
        }
        auto project = openProject(o.positional[1]);
        for (const TYsProject::TreeNode& node : project->tree()) {
            if (!node.obj->isFolder()) {
                const QString name = QStringLiteral("%1-%2.%3")
                                         .arg(node.obj->Index)
                                         .arg(fileNameFor(node.obj->Caption), exportExtension(f));
                writeBook(*project, *node.obj, QDir(*o.output).filePath(name), f, out);
            }
        }
        return kOk;
    }
    const qint32 index = parseIndex(o.positional[2]);
    auto project = openProject(o.positional[1]);
    TYsObj& obj = liveObject(*project, index);
    if (obj.isFolder()) {
        failed(QStringLiteral("编号%1是文件夹，没有计算书").arg(index));
    }
    const QString path
        = o.output.value_or(QDir(AppPaths::homeDir() + QStringLiteral("/我的计算书"))
                                .filePath(fileNameFor(obj.Caption) + QLatin1Char('.') + exportExtension(f)));
    writeBook(*project, obj, path, f, out);
    return kOk;
}

} // namespace

int runCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    ScriptedMessages messages([&err](const QString& text) { err << text << '\n'; });
    MessagesGuard guard(messages);
    try {
        const Options o = parseOptions(args);
        messages.setPassword(o.password);
        if (o.positional.isEmpty()) {
            usage(QString());
        }
        const QString& command = o.positional[0];
        if (command == QLatin1String("new")) {
            return cmdNew(o);
        }
        if (command == QLatin1String("add")) {
            return cmdAdd(o, out);
        }
        if (command == QLatin1String("list")) {
            return cmdList(o, out);
        }
        if (command == QLatin1String("get")) {
            return cmdGet(o, out);
        }
        if (command == QLatin1String("set")) {
            return cmdSet(o);
        }
        if (command == QLatin1String("beam")) {
            return runBeam(o.positional.mid(1), out, err);
        }
        if (command == QLatin1String("report")) {
            return cmdReport(o, out);
        }
        usage(QStringLiteral("未知的命令%1").arg(command));
    } catch (const CliFailure& f) {
        if (!f.text.isEmpty()) {
            err << f.text << '\n';
        }
        if (f.status == kUsage) {
            err << QString::fromUtf8(kUsageText);
        }
        return f.status;
    } catch (const YsError& e) {
        err << e.text() << '\n';
        return kFailed;
    }
}
