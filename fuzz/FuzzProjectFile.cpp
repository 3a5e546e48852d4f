// Project files come from anywhere: the reader must answer every byte string with a project or a message.
#include "calc/CalcKinds.h"
#include "core/Messages.h"
#include "core/ProjectFile.h"
#include "core/TYsProject.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool registered = [] {
        registerCalculationKinds();
        return true;
    }();
    (void)registered;
    ScriptedMessages messages;
    messages.setPassword(QStringLiteral("abc"));
    MessagesGuard guard(messages);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ProjectFile::ReadResult r = ProjectFile::readBytes(bytes);
    if (r.project) {
        // What was read must write and read back.
        const QByteArray again = ProjectFile::serialize(*r.project);
        ProjectFile::readBytes(again);
    }
    return 0;
}
