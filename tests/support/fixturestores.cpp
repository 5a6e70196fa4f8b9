#include "support/fixturestores.h"

#include "data/storewriter.h"

#include <QDir>

namespace cx::test {

QString connectionString(const QString &file, const QString &password)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + file
        + QStringLiteral(";Mode=Share Deny Read|Share Deny Write;Persist Security Info=False;"
                         "Jet OLEDB:Database Password=")
        + password;
}

QString writeFixtureStores(const QString &root)
{
    const QString dat = root + QStringLiteral("/dat");
    QDir().mkpath(dat);
    using data::StoreWriter;
    const QString null; // a null field

    {
        StoreWriter w(dat + QStringLiteral("/lxwg.dat"), kCharacterPassword);
        w.addTable(QStringLiteral("hzlib"),
                   {QStringLiteral("ID"), QStringLiteral("name"), QStringLiteral("oldname"), QStringLiteral("part"),
                    QStringLiteral("wbcode"), QStringLiteral("spell"), QStringLiteral("content")},
                   {
                       {"1", "一", "一", "一", "G", "yi", "数目字。"},
                       {"201", "马", "馬", "马", "CN", "ma", "一种家畜。\r\n姓。"},
                       {"202", "妈", "媽", "女", "VC", "ma", "母亲。"},
                       {"203", "吗", "嗎", "口", "KC", "ma", "助词。"},
                       {"204", "沈", "沈", "氵", "IP", "shen", "姓。"},
                       {"205", "於", "於", "方", "YWU", "yu", null},
                       {"206", "引", "引", "弓", "XH", "yin", "带领。"},
                       {"300", "汉", "漢", "氵", "IC", "han", "朝代名。"},
                       {"301", "语", "語", "讠", "YGK", "yu", "话。"},
                   });
        w.commit();
    }
    {
        StoreWriter w(dat + QStringLiteral("/lxwd.dat"), kWordPassword);
        w.addTable(QStringLiteral("words"),
                   {QStringLiteral("ID"), QStringLiteral("word"), QStringLiteral("spell"), QStringLiteral("ord"),
                    QStringLiteral("content")},
                   {
                       {"1", "汉语", "hàn yǔ", "漢語", "汉族的语言。"},
                       {"2", "马车", null, "馬車", "马拉的车。"},
                       {"3", "中国", "zhōng guó", "中國", "国名。"},
                       {"4", "说\"话\"", "", "說話", "带引号的词。"},
                       {"5", "百分之百", "bǎi fēn zhī bǎi", "百分之百", "100%，全部。"},
                   });
        w.commit();
    }
    {
        StoreWriter w(dat + QStringLiteral("/lxwe.dat"), kIdiomPassword);
        const QStringList fields{QStringLiteral("ID"), QStringLiteral("keyword"), QStringLiteral("phonetic"),
                                 QStringLiteral("descript")};
        w.addTable(QStringLiteral("成语"), fields,
                   {
                       {"1", "马到成功", "mǎ dào chéng gōng", "形容工作刚开始就取得成功。;出自元·无名氏《小尉迟》。"},
                       {"2", "一马当先", "yī mǎ dāng xiān", "作战时策马冲在最前面。"},
                       {"3", "画蛇添足", "huà shé tiān zú", "比喻做了多余的事。"},
                       {"4", "百分之百", "bǎi fēn zhī bǎi", "全部。"},
                       {"250", "守株待兔", "shǒu zhū dài tù", "比喻死守经验。"},
                   });
        w.addTable(QStringLiteral("歇后语"), fields,
                   {
                       {"1", "老马识途", null, "经验丰富"},
                       {"2", "骑驴看唱本", null, "走着瞧"},
                       {"3", "泥菩萨过河", null, "自身难保，马虎不得"},
                       {"200", "外甥打灯笼", null, "照舅（旧）"},
                   });
        w.addTable(QStringLiteral("灯谜"), fields,
                   {
                       {"1", "一口咬掉牛尾巴", "打一字", "告"},
                       {"2", "千里相逢", "打一字", "重"},
                       {"3", "一人一张口，口下长只手", "打一字", "拿"},
                       {"999", "有马能跑", "打一字", "包"},
                   });
        w.commit();
    }
    {
        StoreWriter w(dat + QStringLiteral("/lxwa.dat"), kClassicalPassword);
        const QStringList fields{QStringLiteral("name"), QStringLiteral("fname")};
        w.addTable(QStringLiteral("wylib"), fields, {{"吾", "我"}, {"汝", "你"}, {"曰", "说"}});
        w.addTable(QStringLiteral("fyclib"), fields, {{"大", "小"}, {"高", "低"}, {"黑", "白"}, {"快", "慢"}});
        w.commit();
    }
    {
        StoreWriter w(dat + QStringLiteral("/lxwi.dat"), kStrokePassword);
        w.addTable(QStringLiteral("hzbs"), {QStringLiteral("hz"), QStringLiteral("hm")},
                   {{"一", "4e00.json"}, {"中", "4e2d.json"}, {"国", "56fd.json"}});
        w.commit();
    }
    return dat;
}

} // namespace cx::test
