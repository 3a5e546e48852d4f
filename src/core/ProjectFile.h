#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class TMyList;
class TYsProject;

// The position index at the start of a project file.
struct TPosIndex
{
    quint32 PrjListPos = 0;
    quint32 ObjCount = 0;
    quint32 TypeListPos = 0;
    std::vector<quint32> ObjListPos;
};

// Reading and writing project files (.yss). Both talk to the user through Messages exactly as the desktop
// program does; the result tells the caller what happened.
class ProjectFile
{
public:
    enum class Status {
        Ok,
        NotFound,      // "打开的文件不存在!"
        Foreign,       // another file's magic: ignored without a message
        Newer,         // "工程版本比软件版本更新！请升级新程序"
        Cancelled,     // the password prompt was cancelled
        WrongPassword, // "输入的密码不正确,打开文件失败！"
        Unreadable,    // "读取文件出错！": truncated, corrupted or hostile
    };

    struct ReadResult
    {
        Status status = Status::Unreadable;
        std::unique_ptr<TYsProject> project; // set only for Ok
    };

    struct Header
    {
        QString magic;
        int numbers[3] = {0, 0, 0}; // the third is the format version
    };

    // Opens `path` into a new project: header, version, lists, password, objects. The project's FileName is
    // `path` and it is not modified.
    static ReadResult read(const QString& path);
    // The same from bytes already in memory (`path` becomes the FileName).
    static ReadResult readBytes(const QByteArray& bytes, const QString& path = {});

    // Stores every live object, clears their Modified flags and lays out the whole file.
    static QByteArray serialize(TYsProject& project);
    // Writes the project to its FileName atomically: on success the project is no longer modified; on failure
    // the old file is untouched, the user is told, the project stays modified and false is returned.
    static bool write(TYsProject& project);

    // Splits "yss00.0000.0005" into the magic and three numbers; std::nullopt when a number is unreadable.
    static std::optional<Header> ParseFileHeader(const QString& text);
    // The size of the list's block as it is written.
    static quint32 PropertySizeInFile(const TMyList& list);
    // Appends ".yss" unless the name ends exactly (case-sensitively) in ".yss".
    static QString EnsureExtension(const QString& fileName);
};
