#include "TYsProject.h"

#include "Clock.h"
#include "TYsObj.h"

#include <QLocale>
#include <QSet>
#include <functional>

namespace {

// The short date form of a Chinese system, e.g. 2026/12/11.
QString shortDate(const QDate& date)
{
    return QLocale(QLocale::Chinese, QLocale::China).toString(date, QLocale::ShortFormat);
}

} // namespace

TYsProject::TYsProject()
    : prjdate(shortDate(Clock::today()))
{ }

TYsProject::~TYsProject() = default;

void TYsProject::setPassword(const QString& text)
{
    password = text.trimmed().left(kMaxPasswordLength);
}

const BindingTable<TYsProject>& TYsProject::Bindings()
{
    static const BindingTable<TYsProject> table = [] {
        BindingTable<TYsProject> t;
        t.add(QStringLiteral("prjname"), &TYsProject::prjname).emptyWhenMissing();
        t.add(QStringLiteral("prjdirector"), &TYsProject::prjdirector).emptyWhenMissing();
        t.add(QStringLiteral("scheduleMaker"), &TYsProject::scheduleMaker).emptyWhenMissing();
        t.add(QStringLiteral("prjdate"), &TYsProject::prjdate).emptyWhenMissing();
        t.add(QStringLiteral("descmemo"), &TYsProject::descmemo).emptyWhenMissing();
        t.add(QStringLiteral("password"), &TYsProject::password).emptyWhenMissing();
        t.add(QStringLiteral("StructureType"), &TYsProject::StructureType).emptyWhenMissing();
        t.add(QStringLiteral("BuildHigh"), &TYsProject::BuildHigh).emptyWhenMissing();
        t.add(QStringLiteral("FloorHigh"), &TYsProject::FloorHigh).emptyWhenMissing();
        t.add(QStringLiteral("StructureArea"), &TYsProject::StructureArea).emptyWhenMissing();
        t.add(QStringLiteral("TimeOfProject"), &TYsProject::TimeOfProject).emptyWhenMissing();
        t.add(QStringLiteral("ConstuctionUnit"), &TYsProject::ConstuctionUnit).emptyWhenMissing();
        t.add(QStringLiteral("FlagWriteToCal"), &TYsProject::FlagWriteToCal).emptyWhenMissing();
        return t;
    }();
    return table;
}

bool TYsProject::StoreToPropList()
{
    PropList.Clear();
    Bindings().store(*this, PropList);
    return true;
}

QStringList TYsProject::LoadFromPropList()
{
    return Bindings().load(*this, PropList);
}

qint32 TYsProject::NewIndex() const
{
    QSet<qint32> taken;
    for (const auto& o : ObjList) {
        if (!o->deleted) {
            taken.insert(o->Index);
        }
    }
    const qint32 n = static_cast<qint32>(ObjList.size());
    for (qint32 i = 0; i < n; ++i) {
        if (!taken.contains(i)) {
            return i;
        }
    }
    return n;
}

void TYsProject::MarkDeleted(qint32 k)
{
    // Only live objects are followed: an index handed out again by NewIndex must not pull an unrelated new
    // object into an old folder's deletion, and the visited set ends a cycle of parents.
    QSet<qint32> visited;
    std::function<void(qint32)> mark = [&](qint32 index) {
        if (visited.contains(index)) {
            return;
        }
        visited.insert(index);
        std::vector<TYsObj*> marked;
        for (const auto& o : ObjList) {
            if (!o->deleted && o->Index == index) {
                marked.push_back(o.get());
            }
        }
        if (marked.empty()) {
            return;
        }
        for (TYsObj* o : marked) {
            o->deleted = true;
        }
        std::vector<qint32> children;
        for (const auto& o : ObjList) {
            if (!o->deleted && o->P_index == index) {
                children.push_back(o->Index);
            }
        }
        for (qint32 c : children) {
            mark(c);
        }
    };
    mark(k);
}

TYsObj* TYsProject::addObject(std::unique_ptr<TYsObj> obj)
{
    ObjList.push_back(std::move(obj));
    return ObjList.back().get();
}

TYsObj* TYsProject::findLive(qint32 index) const
{
    for (const auto& o : ObjList) {
        if (!o->deleted && o->Index == index) {
            return o.get();
        }
    }
    return nullptr;
}

std::vector<TYsObj*> TYsProject::liveObjects() const
{
    std::vector<TYsObj*> out;
    for (const auto& o : ObjList) {
        if (!o->deleted) {
            out.push_back(o.get());
        }
    }
    return out;
}

std::vector<TYsProject::TreeNode> TYsProject::tree() const
{
    std::vector<TreeNode> out;
    QSet<const TYsObj*> placed;
    std::function<void(qint32, int)> below = [&](qint32 parent, int depth) {
        for (const auto& o : ObjList) {
            if (o->deleted || o->P_index != parent || placed.contains(o.get())) {
                continue;
            }
            placed.insert(o.get());
            out.push_back(TreeNode{o.get(), depth});
            if (o->Index != -1) {
                below(o->Index, depth + 1);
            }
        }
    };
    below(-1, 0);
    return out;
}
