#include "ProjectFile.h"

#include "AtomicFile.h"
#include "Gbk.h"
#include "Kinds.h"
#include "Messages.h"
#include "ProjectFileFormat.h"
#include "TMyList.h"
#include "TYsObj.h"
#include "TYsProject.h"
#include "YsError.h"

#include <QFile>
#include <QHash>
#include <QtEndian>

namespace {

using namespace ProjectFileFormat;

// Thrown inside the reader when the bytes do not hold what the layout promises.
struct Corrupt
{
};

// Reads from the file's bytes; every length and offset is checked against what is left before use.
class ByteReader
{
public:
    explicit ByteReader(const QByteArray& bytes)
        : m_bytes(bytes)
    { }

    quint32 size() const { return static_cast<quint32>(m_bytes.size()); }
    quint32 remaining() const { return size() - m_pos; }

    void seek(quint32 pos)
    {
        if (pos > size()) {
            throw Corrupt{};
        }
        m_pos = pos;
    }
    quint8 byte()
    {
        need(1);
        return static_cast<quint8>(m_bytes[static_cast<qsizetype>(m_pos++)]);
    }
    quint32 u32()
    {
        need(4);
        const quint32 v = qFromLittleEndian<quint32>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return v;
    }
    QByteArray bytes(quint32 n)
    {
        need(n);
        QByteArray out = m_bytes.mid(static_cast<qsizetype>(m_pos), static_cast<qsizetype>(n));
        m_pos += n;
        return out;
    }
    QString shortString() { return fromGbk(bytes(byte())); }

private:
    void need(quint32 n) const
    {
        if (n > remaining()) {
            throw Corrupt{};
        }
    }

    const QByteArray& m_bytes;
    quint32 m_pos = 0;
};

void readPropertyFromFile(ByteReader& in, quint32 offset, TMyList& list)
{
    in.seek(offset);
    list.Clear();
    const quint32 count = in.u32();
    if (count > in.remaining() / 2) { // every entry takes at least its two length bytes
        throw Corrupt{};
    }
    for (quint32 i = 0; i < count; ++i) {
        const QString name = in.shortString();
        const QString value = in.shortString();
        list.AddValue(name, value);
    }
}

void appendU32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void appendShortString(QByteArray& out, const QByteArray& gbk)
{
    out.append(static_cast<char>(static_cast<quint8>(gbk.size())));
    out.append(gbk);
}

// The block as written: when a name occurs more than once, every occurrence carries the last one's value.
QByteArray propertyBlock(const TMyList& list)
{
    QHash<QString, int> last;
    for (int i = 0; i < list.Count(); ++i) {
        last.insert(list.matchKeyAt(i), i);
    }
    QByteArray out;
    appendU32(out, static_cast<quint32>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        appendShortString(out, toGbkCut(list.name(i), kMaxShortString));
        appendShortString(out, toGbkCut(list.record(last.value(list.matchKeyAt(i))).Value.toText(), kMaxShortString));
    }
    return out;
}

QString badValuesMessage(const QStringList& lines)
{
    return QStringLiteral("工程文件中下列参数值无法识别，已保留原值：\n") + lines.join(QLatin1Char('\n'));
}

ProjectFile::ReadResult fail(ProjectFile::Status status, const QString& message = {})
{
    if (!message.isEmpty()) {
        ShowWarning(message);
    }
    ProjectFile::ReadResult r;
    r.status = status;
    return r;
}

} // namespace

std::optional<ProjectFile::Header> ProjectFile::ParseFileHeader(const QString& text)
{
    Header h;
    h.magic = text.left(kMagicLength);
    const QStringList parts = text.mid(kMagicLength).split(QLatin1Char('.'));
    if (parts.size() != 3) {
        return std::nullopt;
    }
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        h.numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    return h;
}

quint32 ProjectFile::PropertySizeInFile(const TMyList& list)
{
    quint32 size = 4;
    for (int i = 0; i < list.Count(); ++i) {
        size += 2 + static_cast<quint32>(toGbkCut(list.name(i), kMaxShortString).size())
            + static_cast<quint32>(toGbkCut(list.record(i).Value.toText(), kMaxShortString).size());
    }
    return size;
}

QString ProjectFile::EnsureExtension(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(".yss"), Qt::CaseSensitive) ? fileName : fileName + QStringLiteral(".yss");
}

ProjectFile::ReadResult ProjectFile::read(const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        return fail(Status::NotFound, QStringLiteral("打开的文件不存在!"));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(Status::Unreadable, QStringLiteral("读取文件出错！"));
    }
    return readBytes(file.readAll(), path);
}

ProjectFile::ReadResult ProjectFile::readBytes(const QByteArray& bytes, const QString& path)
{
    const QString readError = QStringLiteral("读取文件出错！");
    auto project = std::make_unique<TYsProject>();
    project->FileName = path;
    std::vector<qint32> types;
    try {
        ByteReader in(bytes);
        const QString headerText = QString::fromLatin1(in.bytes(in.byte()));
        // The magic is looked at before anything else: a foreign file is ignored silently.
        if (headerText.left(kMagicLength).toLower() != QLatin1String(kMagic)) {
            return fail(Status::Foreign);
        }
        const std::optional<Header> header = ParseFileHeader(headerText);
        if (!header) {
            throw Corrupt{};
        }
        const int version = header->numbers[2];
        if (version > kVersion) {
            return fail(Status::Newer, QStringLiteral("工程版本比软件版本更新！请升级新程序"));
        }
        if (version < kVersion) {
            ShowWarning(QStringLiteral("您所打开的工程是老版本软件所创建,系统自动转换成新版本格式！"));
        }

        TPosIndex index;
        index.PrjListPos = in.u32();
        index.ObjCount = in.u32();
        index.TypeListPos = in.u32();
        if (index.ObjCount > in.remaining() / 4) {
            throw Corrupt{};
        }
        index.ObjListPos.reserve(index.ObjCount);
        for (quint32 i = 0; i < index.ObjCount; ++i) {
            index.ObjListPos.push_back(in.u32());
        }

        readPropertyFromFile(in, index.PrjListPos, project->PropList);
        if (index.ObjCount > 0) {
            in.seek(index.TypeListPos);
            if (index.ObjCount > in.remaining() / 4) {
                throw Corrupt{};
            }
            for (quint32 i = 0; i < index.ObjCount; ++i) {
                types.push_back(static_cast<qint32>(in.u32()));
            }
        }
        for (quint32 i = 0; i < index.ObjCount; ++i) {
            TYsObj* obj = CreateObjectOfType(types[i], *project);
            readPropertyFromFile(in, index.ObjListPos[i], obj->PropList);
        }
    } catch (const Corrupt&) {
        return fail(Status::Unreadable, readError);
    } catch (const YsError&) {
        return fail(Status::Unreadable, readError);
    }

    QStringList bad;
    const QStringList projectBad = project->LoadFromPropList();
    if (!projectBad.isEmpty()) {
        bad << QStringLiteral("工程信息：") + projectBad.join(QStringLiteral("、"));
    }

    if (!project->password.isEmpty()) {
        const std::optional<QString> typed
            = Messages::instance().askPassword(QStringLiteral("请输入密码"), QStringLiteral("输入工程文件密码:"));
        if (!typed) {
            return fail(Status::Cancelled);
        }
        if (*typed != project->password) {
            return fail(Status::WrongPassword, QStringLiteral("输入的密码不正确,打开文件失败！"));
        }
    }

    for (size_t i = 0; i < project->ObjList.size(); ++i) {
        TYsObj& obj = *project->ObjList[i];
        if (!obj.LoadFromPropList()) {
            bad << QStringLiteral("“%1”：").arg(obj.Caption) + obj.badKeys().join(QStringLiteral("、"));
        }
        // The type table decides the kind: it chose the class, and the object must keep behaving as that class.
        obj.TypeId = types[i];
    }
    if (!bad.isEmpty()) {
        ShowWarning(badValuesMessage(bad));
    }
    project->Modified = false;
    ReadResult r;
    r.status = Status::Ok;
    r.project = std::move(project);
    return r;
}

QByteArray ProjectFile::serialize(TYsProject& project)
{
    project.StoreToPropList();
    const std::vector<TYsObj*> live = project.liveObjects();
    for (TYsObj* obj : live) {
        obj->StoreToPropList();
        obj->Modified = false;
    }
    const quint32 n = static_cast<quint32>(live.size());

    const QByteArray projectBlock = propertyBlock(project.PropList);
    std::vector<QByteArray> objectBlocks;
    objectBlocks.reserve(n);
    for (TYsObj* obj : live) {
        objectBlocks.push_back(propertyBlock(obj->PropList));
    }

    TPosIndex index;
    index.PrjListPos = prjListPos(n);
    index.ObjCount = n;
    index.TypeListPos = index.PrjListPos + static_cast<quint32>(projectBlock.size());
    quint32 next = index.TypeListPos + 4 * n;
    for (const QByteArray& block : objectBlocks) {
        index.ObjListPos.push_back(next);
        next += static_cast<quint32>(block.size());
    }

    QByteArray out;
    out.reserve(static_cast<qsizetype>(next));
    out.append(static_cast<char>(kHeaderLength));
    out.append(kHeader, kHeaderLength);
    appendU32(out, index.PrjListPos);
    appendU32(out, index.ObjCount);
    appendU32(out, index.TypeListPos);
    for (quint32 pos : index.ObjListPos) {
        appendU32(out, pos);
    }
    // Zero gap up to the project list; with no objects the list's count overwrites the type table offset.
    out.resize(static_cast<qsizetype>(index.PrjListPos), '\0');
    out.append(projectBlock);
    for (TYsObj* obj : live) {
        appendU32(out, static_cast<quint32>(obj->TypeId));
    }
    for (const QByteArray& block : objectBlocks) {
        out.append(block);
    }
    return out;
}

bool ProjectFile::write(TYsProject& project)
{
    QString reason;
    if (!saveFileAtomically(project.FileName, serialize(project), &reason)) {
        ShowWarning(QStringLiteral("保存工程文件失败，原文件未被改动！\n%1\n%2").arg(project.FileName, reason));
        project.Modified = true;
        return false;
    }
    project.Modified = false;
    return true;
}
