#include "TempHome.h"
#include "core/AppPaths.h"
#include "core/Gbk.h"
#include "core/IniFile.h"
#include "core/Kinds.h"
#include "core/TYsObj.h"
#include "core/TYsProject.h"

#include <gtest/gtest.h>

namespace {

struct Geometry
{
    double h = 1.8;
    quint8 tubeType = 0;
};

// A kind with one field of every stored type, sharing the floor-standing scaffold's defaults section.
class SampleKind : public TYsObj
{
public:
    int KindCode() const override { return 2; }
    const BindingTable<TYsObj>& Bindings() const override
    {
        static const BindingTable<TYsObj> table = [] {
            BindingTable<TYsObj> t = TYsObj::BaseBindings();
            t.add(QStringLiteral("ExPara.h"), &SampleKind::ExPara, &Geometry::h);
            t.add(QStringLiteral("ExPara.TubeType"), &SampleKind::ExPara, &Geometry::tubeType);
            t.add(QStringLiteral("Layers"), &SampleKind::layers);
            t.add(QStringLiteral("Closed"), &SampleKind::closed);
            t.add(QStringLiteral("City"), &SampleKind::city);
            return t;
        }();
        return table;
    }

    Geometry ExPara;
    qint32 layers = 4;
    bool closed = true;
    QString city = QStringLiteral("杭州市");
};

QStringList names(const TMyList& list)
{
    QStringList out;
    for (int i = 0; i < list.Count(); ++i) {
        out << list.name(i);
    }
    return out;
}

TEST(ObjectBase, NewObjectDefaults)
{
    TempHome home;
    TYsObj obj;
    EXPECT_EQ(obj.Caption, QStringLiteral("脚手架"));
    EXPECT_EQ(obj.TypeId, 1);
    EXPECT_EQ(obj.Index, -1);
    EXPECT_EQ(obj.P_index, -1);
    EXPECT_EQ(obj.PropList.Count(), 0);
    EXPECT_FALSE(obj.deleted);
    EXPECT_FALSE(obj.Modified);
    EXPECT_TRUE(obj.PicPath.endsWith(QStringLiteral("/Bmp/")));
}

TEST(ObjectBase, StoreWritesBaseKeysFirstAndOnlyOnce)
{
    TempHome home;
    SampleKind obj;
    obj.StoreToPropList();
    obj.StoreToPropList();
    EXPECT_EQ(names(obj.PropList),
              (QStringList{"caption", "index", "P_index", "typeid", "ExPara.h", "ExPara.TubeType", "Layers", "Closed",
                           "City"}));
    EXPECT_EQ(obj.PropList.FindItem(QStringLiteral("closed"))->Value.toText(), QStringLiteral("True"));
}

TEST(ObjectBase, MissingKeys)
{
    TempHome home;
    SampleKind obj;
    obj.ExPara.h = 2.0;
    obj.PropList.AddValue(QStringLiteral("caption"), PropValue(QStringLiteral("一号架")));
    ASSERT_TRUE(obj.LoadFromPropList());
    // A missing base key reads as its empty value: no typeid gives 0, not 1.
    EXPECT_EQ(obj.Caption, QStringLiteral("一号架"));
    EXPECT_EQ(obj.TypeId, 0);
    EXPECT_EQ(obj.Index, 0);
    EXPECT_EQ(obj.P_index, 0);
    // A missing parameter key keeps the field's current value, so an older file never zeroes a spacing.
    EXPECT_EQ(obj.ExPara.h, 2.0);
    EXPECT_EQ(obj.layers, 4);
    EXPECT_EQ(obj.city, QStringLiteral("杭州市"));
}

TEST(ObjectBase, BadValueStopsOnlyItsOwnKey)
{
    TempHome home;
    SampleKind obj;
    obj.PropList.AddValue(QStringLiteral("typeid"), PropValue(QStringLiteral("2")));
    obj.PropList.AddValue(QStringLiteral("ExPara.h"), PropValue(QStringLiteral("1,8")));
    obj.PropList.AddValue(QStringLiteral("ExPara.TubeType"), PropValue(QStringLiteral("300"))); // not a byte
    obj.PropList.AddValue(QStringLiteral("Layers"), PropValue(QStringLiteral("6")));
    obj.PropList.AddValue(QStringLiteral("Closed"), PropValue(QStringLiteral("false")));
    EXPECT_FALSE(obj.LoadFromPropList());
    EXPECT_EQ(obj.badKeys(), (QStringList{"ExPara.h", "ExPara.TubeType"}));
    EXPECT_EQ(obj.ExPara.h, 1.8);
    EXPECT_EQ(obj.ExPara.tubeType, 0);
    EXPECT_EQ(obj.layers, 6); // read although an earlier key failed
    EXPECT_FALSE(obj.closed);
    EXPECT_EQ(obj.TypeId, 2);
}

TEST(ObjectBase, UnknownEntriesSurviveLoadAndStore)
{
    TempHome home;
    TYsObj obj;
    obj.PropList.AddValue(QStringLiteral("caption"), PropValue(QStringLiteral("新版对象")));
    obj.PropList.AddValue(QStringLiteral("typeid"), PropValue(QStringLiteral("42")));
    obj.PropList.AddValue(QStringLiteral("Future.x"), PropValue(QStringLiteral("3.5")));
    obj.PropList.AddValue(QStringLiteral("Future.name"), PropValue(QStringLiteral("甲")));
    obj.LoadFromPropList();
    obj.StoreToPropList();
    EXPECT_EQ(names(obj.PropList), (QStringList{"caption", "index", "P_index", "typeid", "Future.x", "Future.name"}));
    EXPECT_EQ(obj.PropList.FindItem(QStringLiteral("future.name"))->Value.toText(), QStringLiteral("甲"));
    EXPECT_EQ(obj.TypeId, 42);
}

TEST(Defaults, LoadAppliesNonEmptyValuesAndKeepsIdentity)
{
    TempHome home;
    writeFile(AppPaths::updateIniPath(),
              toGbk(QStringLiteral("[ground INFORMATION]\r\nExPara.h=1.8\r\nLayers=\r\n"
                                   "City=上海市\r\ncaption=别的架子\r\nindex=7\r\nP_index=3\r\n"
                                   "typeid=9\r\n")));
    SampleKind obj;
    obj.ExPara.h = 1.5;
    obj.layers = 2;
    obj.Caption = QStringLiteral("我的架子");
    obj.Index = 1;
    obj.P_index = -1;
    obj.TypeId = 2;
    ASSERT_TRUE(obj.LoadDefaults());
    EXPECT_EQ(obj.ExPara.h, 1.8);
    EXPECT_EQ(obj.layers, 2); // present with an empty value: kept
    EXPECT_EQ(obj.city, QStringLiteral("上海市"));
    EXPECT_EQ(obj.Caption, QStringLiteral("我的架子"));
    EXPECT_EQ(obj.Index, 1);
    EXPECT_EQ(obj.P_index, -1);
    EXPECT_EQ(obj.TypeId, 2);
}

TEST(Defaults, MissingUpdateIniChangesNothing)
{
    TempHome home;
    SampleKind obj;
    ASSERT_TRUE(obj.LoadDefaults());
    EXPECT_EQ(obj.ExPara.h, 1.8);
    EXPECT_EQ(obj.city, QStringLiteral("杭州市"));
}

TEST(Defaults, SaveThenLoadLeavesEveryParameterAndOtherSectionsKept)
{
    TempHome home;
    writeFile(AppPaths::updateIniPath(), toGbk(QStringLiteral("[Door information]\r\nWindLoad.Wo=0.45\r\n")));
    SampleKind saved;
    saved.ExPara.h = 0.1 + 0.2;
    saved.ExPara.tubeType = 3;
    saved.layers = 7;
    saved.closed = false;
    saved.city = QStringLiteral("北京市");
    saved.TypeId = 9;
    ASSERT_TRUE(saved.SaveDefaults());

    IniFile ini;
    ASSERT_TRUE(ini.load(AppPaths::updateIniPath()));
    EXPECT_EQ(ini.value(QStringLiteral("Door information"), QStringLiteral("WindLoad.Wo")), QStringLiteral("0.45"));
    EXPECT_EQ(ini.value(QStringLiteral("Ground information"), QStringLiteral("ExPara.h")), QStringLiteral("0.3"));
    EXPECT_EQ(ini.value(QStringLiteral("Ground information"), QStringLiteral("typeid")), QStringLiteral("9"));

    SampleKind fresh;
    ASSERT_TRUE(fresh.LoadDefaults());
    EXPECT_EQ(fresh.ExPara.h, 0.3);
    EXPECT_EQ(fresh.ExPara.tubeType, 3);
    EXPECT_EQ(fresh.layers, 7);
    EXPECT_FALSE(fresh.closed);
    EXPECT_EQ(fresh.city, QStringLiteral("北京市"));
    EXPECT_EQ(fresh.TypeId, 1);

    ASSERT_TRUE(saved.LoadDefaults());
    EXPECT_EQ(saved.layers, 7);
    EXPECT_EQ(saved.TypeId, 9);
}

TEST(Kinds, TableAndFactory)
{
    TempHome home;
    // Both codes of a pair share the class's row and its defaults section.
    ASSERT_NE(kindInfo(9), nullptr);
    EXPECT_EQ(kindInfo(9)->className, QStringLiteral("TGroundScaffold"));
    EXPECT_EQ(kindInfo(9)->readSection, kindInfo(2)->readSection);
    EXPECT_EQ(kindInfo(15)->readSection, QStringLiteral("Groundplat information"));
    EXPECT_EQ(kindInfo(8)->writeSection, QStringLiteral("GroundPlat information"));
    EXPECT_TRUE(kindInfo(18)->readSection.isEmpty());
    EXPECT_EQ(kindInfo(20), nullptr);
    EXPECT_EQ(kindInfo(0), nullptr);

    EXPECT_EQ(kindCodeFor(QStringLiteral("文件夹")), 1);
    EXPECT_EQ(kindCodeFor(QStringLiteral("落地架")), 2);
    EXPECT_EQ(kindCodeFor(QStringLiteral("悬挑卸料平台")), 17);
    EXPECT_EQ(kindCodeFor(QStringLiteral("13")), 13);
    EXPECT_EQ(kindCodeFor(QStringLiteral("20")), 0);
    EXPECT_EQ(kindCodeFor(QStringLiteral("落地式脚手架")), 0);

    TYsProject project;
    TYsObj* obj = CreateObjectOfType(77, project);
    ASSERT_EQ(project.ObjList.size(), 1u);
    EXPECT_EQ(project.ObjList[0].get(), obj);
    EXPECT_EQ(obj->TypeId, 77);
}

} // namespace
