// Builds every store from the fixture excerpts under fixtures/ and reads
// them back as the program does.
#include "data/error.h"
#include "data/store.h"
#include "data/storenames.h"
#include "stores/builder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>

using namespace cx::stores;
namespace names = cx::data::stores;

namespace {

const QString kFixtures = QStringLiteral(CX_SOURCE_DIR "/tests/stores/fixtures");

SourcePaths fixtureSources(const QString &starter = kFixtures + QStringLiteral("/starter"))
{
    SourcePaths p;
    p.unihanReadings = kFixtures + QStringLiteral("/Unihan_Readings.txt");
    p.unihanIrg = kFixtures + QStringLiteral("/Unihan_IRGSources.txt");
    p.unihanVariants = kFixtures + QStringLiteral("/Unihan_Variants.txt");
    p.cjkRadicals = kFixtures + QStringLiteral("/CJKRadicals.txt");
    p.wubi = kFixtures + QStringLiteral("/wubi86.dict.yaml");
    p.terraPinyin = kFixtures + QStringLiteral("/terra_pinyin.dict.yaml");
    p.radicalScript = kFixtures + QStringLiteral("/cnchar.radical.min.js");
    p.explanations = kFixtures + QStringLiteral("/explanation");
    p.wordPinyin = kFixtures + QStringLiteral("/complete.json");
    p.cedict = kFixtures + QStringLiteral("/cedict_ts.u8.js");
    p.characterFrequency = kFixtures + QStringLiteral("/frequencyjunda.txt.js");
    p.strokes = kFixtures + QStringLiteral("/strokes");
    p.starter = starter;
    return p;
}

cx::data::ConnectionSettings settings(const QString &path, const QString &password)
{
    cx::data::ConnectionSettings s;
    s.provider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");
    s.dataSource = path;
    s.password = password;
    return s;
}

// Rows of a selection as maps of field → value.
std::vector<std::map<QString, QString>> rows(const QString &path, const names::StoreFile &store, const QString &sql)
{
    cx::data::StoreConnection c(settings(path, names::password(store)));
    const cx::data::ResultSet r = c.select(sql);
    std::vector<std::map<QString, QString>> out;
    for (int i = 0; i < r.rowCount(); ++i) {
        std::map<QString, QString> row;
        for (int f = 0; f < r.fields.size(); ++f)
            row[r.fields[f]] = r.at(i, f);
        out.push_back(row);
    }
    return out;
}

class Builder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        out = dir.path() + QStringLiteral("/dat");
    }

    BuildReport build(unsigned stores = kAllStores, const SourcePaths &sources = fixtureSources())
    {
        BuildOptions o;
        o.outDir = out;
        o.sources = sources;
        o.stores = stores;
        o.progress = [this](const QString &line) { progress << line; };
        return buildStores(o);
    }

    QString file(const names::StoreFile &s) const
    {
        return out + QLatin1Char('/') + QFileInfo(QString::fromLatin1(s.file)).fileName();
    }

    auto select(const names::StoreFile &s, const QString &sql) const { return rows(file(s), s, sql); }

    int count(const names::StoreFile &s, const QString &table) const
    {
        const auto r = select(s, QStringLiteral("select rowcount from counts where tablename=\"%1\"").arg(table));
        return r.size() == 1 ? r[0].at(QStringLiteral("rowcount")).toInt() : -1;
    }

    QTemporaryDir dir;
    QString out;
    QStringList progress;
};

TEST_F(Builder, BuildsEveryStoreWithItsCounts)
{
    const BuildReport report = build();
    const std::map<QString, int> expected{{QStringLiteral("cylib"), 21}, {QStringLiteral("成语"), 9},
                                          {QStringLiteral("歇后语"), 3}, {QStringLiteral("灯谜"), 2},
                                          {QStringLiteral("wylib"), 2},  {QStringLiteral("fyclib"), 2},
                                          {QStringLiteral("hzlib"), 8},  {QStringLiteral("hzbs"), 3}};
    std::map<QString, int> reported;
    for (const TableCount &t : report.tables)
        reported[t.table] = t.rows;
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(report.strokeFiles, 3);
    EXPECT_FALSE(progress.isEmpty());

    EXPECT_EQ(count(names::kWords, QStringLiteral("cylib")), 21);
    EXPECT_EQ(count(names::kIdioms, QStringLiteral("成语")), 9);
    EXPECT_EQ(count(names::kIdioms, QStringLiteral("歇后语")), 3);
    EXPECT_EQ(count(names::kIdioms, QStringLiteral("灯谜")), 2);
    EXPECT_EQ(count(names::kClassical, QStringLiteral("fyclib")), 2);
    EXPECT_EQ(count(names::kCharacters, QStringLiteral("hzlib")), 8);
    EXPECT_EQ(count(names::kStrokes, QStringLiteral("hzbs")), 3);
    EXPECT_EQ(select(names::kWords, QStringLiteral("select * from cylib")).size(), 21u);

    // Nothing temporary is left beside the stores.
    const QStringList left = QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, (QStringList{QStringLiteral("hzbs"), QStringLiteral("lxwa.dat"), QStringLiteral("lxwd.dat"),
                                 QStringLiteral("lxwe.dat"), QStringLiteral("lxwg.dat"), QStringLiteral("lxwi.dat")}));
}

TEST_F(Builder, Characters)
{
    build(kCharacterStore);
    const auto all = select(names::kCharacters, QStringLiteral("select * from hzlib where ID>0 and ID<100"));
    ASSERT_EQ(all.size(), 8u);
    // The most frequent first; a character the frequency list lacks comes last.
    QString order;
    for (const auto &r : all)
        order += r.at(QStringLiteral("name"));
    EXPECT_EQ(order, QStringLiteral("一不中国和发水汉"));
    EXPECT_EQ(all[0].at(QStringLiteral("ID")), QStringLiteral("1"));

    const auto zhong = select(names::kCharacters, QStringLiteral("select * from hzlib where name=\"中\""));
    ASSERT_EQ(zhong.size(), 1u);
    EXPECT_EQ(zhong[0].at(QStringLiteral("oldname")), QStringLiteral("中"));
    EXPECT_EQ(zhong[0].at(QStringLiteral("part")), QStringLiteral("丨"));
    EXPECT_EQ(zhong[0].at(QStringLiteral("wbcode")), QStringLiteral("K")); // the commented row kk is not read
    EXPECT_EQ(zhong[0].at(QStringLiteral("spell")), QStringLiteral("zhōng"));
    const QString content = zhong[0].at(QStringLiteral("content"));
    EXPECT_TRUE(content.startsWith(QStringLiteral("读音：zhōng zhòng\n部首：丨　部外笔画：3　总笔画：4\n五笔：K\n")))
        << content.toStdString();
    EXPECT_TRUE(content.contains(QStringLiteral("英文释义：central; center")));
    // Common words, the most used first, with their first sense.
    EXPECT_TRUE(content.contains(QStringLiteral("常用词：\n　中国：")));
    EXPECT_LT(content.indexOf(QStringLiteral("中国：")), content.indexOf(QStringLiteral("中央：")));

    // The positional radical where the radical table has it, else Unihan's.
    const auto bySpell = select(names::kCharacters, QStringLiteral("select name, oldname, part, wbcode from hzlib"));
    std::map<QString, std::map<QString, QString>> byName;
    for (const auto &r : bySpell)
        byName[r.at(QStringLiteral("name"))] = r;
    EXPECT_EQ(byName[QStringLiteral("汉")][QStringLiteral("part")], QStringLiteral("氵"));
    EXPECT_EQ(byName[QStringLiteral("水")][QStringLiteral("part")], QStringLiteral("水"));
    EXPECT_EQ(byName[QStringLiteral("发")][QStringLiteral("part")], QStringLiteral("又"));
    EXPECT_EQ(byName[QStringLiteral("汉")][QStringLiteral("oldname")], QStringLiteral("漢"));
    EXPECT_EQ(byName[QStringLiteral("国")][QStringLiteral("oldname")], QStringLiteral("國"));
    EXPECT_EQ(byName[QStringLiteral("发")][QStringLiteral("oldname")], QStringLiteral("發"));
    EXPECT_EQ(byName[QStringLiteral("汉")][QStringLiteral("wbcode")], QStringLiteral("IC"));
    // The lookups of the character window find them.
    EXPECT_EQ(select(names::kCharacters, QStringLiteral("select * from hzlib where part =\"氵\"")).size(), 1u);
    EXPECT_EQ(select(names::kCharacters, QStringLiteral("select * from hzlib where oldname =\"國\"")).size(), 1u);
    EXPECT_EQ(select(names::kCharacters, QStringLiteral("select * from hzlib where spell =\"shuǐ\"")).size(), 1u);
}

TEST_F(Builder, Words)
{
    build(kWordStore);
    const auto all = select(names::kWords, QStringLiteral("select * from cylib"));
    std::map<QString, std::map<QString, QString>> byWord;
    for (const auto &r : all)
        byWord[r.at(QStringLiteral("word"))] = r;
    // Left out: one-character entries, broken headwords, empty and garbled
    // explanations; the repaired headword merges with the one written right.
    for (const char *gone : {"中", "三j", "糠fdb7", "下寮", "一丘之貉", "养尊处优", "为渊驱鱼﹐为丛驱雀"})
        EXPECT_EQ(byWord.count(QString::fromUtf8(gone)), 0u) << gone;
    ASSERT_EQ(byWord.count(QStringLiteral("为渊驱鱼，为丛驱雀")), 1u);
    EXPECT_EQ(byWord.count(QStringLiteral("卡拉OK")), 1u);

    // Pinyin from the first dictionary that has the word; none gives empty.
    EXPECT_EQ(byWord[QStringLiteral("中国")][QStringLiteral("spell")], QStringLiteral("zhōng guó"));
    EXPECT_EQ(byWord[QStringLiteral("一下")][QStringLiteral("spell")], QStringLiteral("yī xià"));
    EXPECT_EQ(byWord[QStringLiteral("一袭")][QStringLiteral("spell")], QStringLiteral("yī xí"));      // CC-CEDICT
    EXPECT_EQ(byWord[QStringLiteral("丁差")][QStringLiteral("spell")], QStringLiteral("dīng chāi"));  // Rime
    EXPECT_EQ(byWord[QStringLiteral("卡拉OK")][QStringLiteral("spell")], QString());
    EXPECT_EQ(byWord[QStringLiteral("中国")][QStringLiteral("ord")], QStringLiteral("中國"));
    EXPECT_EQ(byWord[QStringLiteral("发展")][QStringLiteral("ord")], QStringLiteral("發展"));

    // Explanations with their line breaks normalised and lines trimmed.
    const QString heart = byWord[QStringLiteral("中心")][QStringLiteral("content")];
    EXPECT_FALSE(heart.isEmpty());
    EXPECT_FALSE(heart.contains(QLatin1Char('\r')));
    for (const QString &line : heart.split(QLatin1Char('\n')))
        EXPECT_EQ(line, line.trimmed());

    // IDs from 1, the most used word first.
    EXPECT_EQ(all.front().at(QStringLiteral("ID")), QStringLiteral("1"));
    EXPECT_EQ(all.front().at(QStringLiteral("word")), QStringLiteral("中国"));
}

TEST_F(Builder, Idioms)
{
    build(kIdiomStore);
    const auto all = select(names::kIdioms, QStringLiteral("select * from 成语 where ID>0 and ID<200"));
    QStringList words;
    for (const auto &r : all)
        words << r.at(QStringLiteral("keyword"));
    // The most used first. 一模一样 and 一举成名 are idioms by the
    // dictionary's tag alone; 辛亥革命 only names a book and is none.
    EXPECT_EQ(words.join(QLatin1Char(' ')), QStringLiteral("浩浩荡荡 不知不觉 一模一样 一举成名 面红耳赤 五颜六色 亡羊补牢 画蛇添足 守株待兔"));
    ASSERT_EQ(all.size(), 9u);
    EXPECT_EQ(all[0].at(QStringLiteral("ID")), QStringLiteral("1"));
    EXPECT_EQ(all[0].at(QStringLiteral("phonetic")), QStringLiteral("hào hào dàng dàng"));
    EXPECT_EQ(all[2].at(QStringLiteral("phonetic")), QStringLiteral("yī mú yī yàng"));

    const auto byKeyword = [&](const QString &k) {
        for (const auto &r : all)
            if (r.at(QStringLiteral("keyword")) == k)
                return r.at(QStringLiteral("descript"));
        return QString();
    };
    EXPECT_EQ(byKeyword(QStringLiteral("亡羊补牢")),
              QStringLiteral("丢失了羊，赶快修好羊圈。比喻失误后及时补救。;出处：《战国策·楚策四》：“亡羊而补牢，未为迟也。”"));
    // ◇ starts a section; a ";" of the source inside a section became "；";
    // the source's quotation ends at its closing quote.
    EXPECT_EQ(byKeyword(QStringLiteral("浩浩荡荡")), QStringLiteral("原形容水势广大的样子;形容事物的广阔壮大，或前进的人流声势浩大。"));
    EXPECT_EQ(byKeyword(QStringLiteral("五颜六色")), QStringLiteral("形容色彩繁多；各种各样。"));
    EXPECT_EQ(byKeyword(QStringLiteral("面红耳赤")),
              QStringLiteral("后通作\"面红耳赤\"。形容因紧张﹑急躁﹑害羞等而脸上发红的样子。;借指争吵。;"
                             "出处：《朱子语类》卷二九\"今人有些小利害﹐便至于头红耳赤；子文却三仕三已，略无喜愠。\""));
    for (const auto &r : all)
        for (const QString &section : r.at(QStringLiteral("descript")).split(QLatin1Char(';')))
            EXPECT_FALSE(section.isEmpty()) << r.at(QStringLiteral("keyword")).toStdString();

    // The search of the idiom window finds them.
    EXPECT_EQ(select(names::kIdioms, QStringLiteral("select * from 成语 where keyword like \"%羊%\"")).size(), 1u);
}

TEST_F(Builder, StarterCollectionsAreTrimmed)
{
    build(kIdiomStore | kClassicalStore);
    const auto sayings = select(names::kIdioms, QStringLiteral("select * from 歇后语 where ID>0 and ID<200"));
    ASSERT_EQ(sayings.size(), 3u);
    EXPECT_EQ(sayings[1].at(QStringLiteral("keyword")), QStringLiteral("哑巴吃黄连"));
    EXPECT_EQ(sayings[1].at(QStringLiteral("descript")), QStringLiteral("有苦说不出"));
    EXPECT_EQ(sayings[1].at(QStringLiteral("phonetic")), QString());
    EXPECT_EQ(sayings[2].at(QStringLiteral("descript")), QStringLiteral("一场空;\t两手空空"));
    EXPECT_EQ(sayings[2].at(QStringLiteral("ID")), QStringLiteral("3"));
    const auto riddles = select(names::kIdioms, QStringLiteral("select * from 灯谜 where phonetic like \"%植物%\""));
    ASSERT_EQ(riddles.size(), 1u);
    EXPECT_EQ(riddles[0].at(QStringLiteral("descript")), QStringLiteral("花生"));
    const auto antonyms = select(names::kClassical, QStringLiteral("select * from fyclib"));
    ASSERT_EQ(antonyms.size(), 2u);
    EXPECT_EQ(antonyms[0].at(QStringLiteral("name")), QStringLiteral("大")); // the byte-order mark is no part of it
    EXPECT_EQ(antonyms[0].at(QStringLiteral("fname")), QStringLiteral("小"));
}

TEST_F(Builder, StrokeOrder)
{
    build(kStrokeStore);
    const auto all = select(names::kStrokes, QStringLiteral("select * from hzbs"));
    ASSERT_EQ(all.size(), 3u);
    // In the order of the character store; the movie name is ASCII.
    EXPECT_EQ(all[0].at(QStringLiteral("hz")), QStringLiteral("中"));
    EXPECT_EQ(all[0].at(QStringLiteral("hm")), QStringLiteral("4e2d.json"));
    EXPECT_EQ(all[2].at(QStringLiteral("hz")), QStringLiteral("水"));
    for (const auto &r : all) {
        QFile copy(out + QStringLiteral("/hzbs/") + r.at(QStringLiteral("hm")));
        QFile source(kFixtures + QStringLiteral("/strokes/") + r.at(QStringLiteral("hz")) + QStringLiteral(".json"));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << copy.fileName().toStdString();
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), source.readAll());
    }
    EXPECT_EQ(QDir(out + QStringLiteral("/hzbs")).entryList(QDir::Files).size(), 3);
}

TEST_F(Builder, WrongPasswordFails)
{
    build(kClassicalStore);
    EXPECT_THROW(rows(file(names::kClassical), names::kIdioms, QStringLiteral("select * from wylib")),
                 cx::data::DataError);
    EXPECT_THROW(rows(file(names::kClassical), names::StoreFile{"", u""}, QStringLiteral("select * from wylib")),
                 cx::data::DataError);
    EXPECT_EQ(select(names::kClassical, QStringLiteral("select * from wylib")).size(), 2u);
}

TEST_F(Builder, FailedBuildKeepsTheOldStore)
{
    build(kIdiomStore);
    QTemporaryDir badStarter;
    for (const char *name : {"歇后语.tsv", "灯谜.tsv"})
        QFile::copy(kFixtures + QStringLiteral("/starter/") + QString::fromUtf8(name),
                    badStarter.path() + QLatin1Char('/') + QString::fromUtf8(name));
    QFile riddles(badStarter.path() + QStringLiteral("/灯谜.tsv"));
    ASSERT_TRUE(riddles.open(QIODevice::Append));
    riddles.write("谜面没有谜底\n");
    riddles.close();
    EXPECT_THROW(build(kIdiomStore, fixtureSources(badStarter.path())), std::runtime_error);
    EXPECT_EQ(count(names::kIdioms, QStringLiteral("灯谜")), 2);
    EXPECT_FALSE(QFile::exists(file(names::kIdioms) + QStringLiteral(".part")));

    SourcePaths missing = fixtureSources();
    missing.wubi = kFixtures + QStringLiteral("/no-such-file");
    try {
        build(kAllStores, missing);
        ADD_FAILURE() << "built without a source";
    } catch (const std::runtime_error &e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("no-such-file")));
    }
}

TEST_F(Builder, ImportReplacesOrExtendsACollectionForGood)
{
    QTemporaryDir user;
    const QString mine = user.path() + QStringLiteral("/mine.tsv");
    auto write = [&](const QByteArray &text) {
        QFile f(mine);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    };
    write("猪八戒照镜子\t里外不是人\n外甥打灯笼\t照舅（旧）\n");
    EXPECT_EQ(saveImport(out, QStringLiteral("歇后语"), mine, false), 2);
    build(kIdiomStore);
    EXPECT_EQ(count(names::kIdioms, QStringLiteral("歇后语")), 2);

    // An extension adds what is new, after the rows there are.
    write("外甥打灯笼\t照舅（旧）\n泥菩萨过江\t自身难保\n");
    EXPECT_EQ(saveImport(out, QStringLiteral("歇后语"), mine, true), 2);
    build(kIdiomStore);
    const auto sayings = select(names::kIdioms, QStringLiteral("select keyword from 歇后语 where ID>0 and ID<200"));
    QStringList keywords;
    for (const auto &r : sayings)
        keywords << r.at(QStringLiteral("keyword"));
    EXPECT_EQ(keywords.join(QLatin1Char(' ')), QStringLiteral("猪八戒照镜子 外甥打灯笼 泥菩萨过江"));
    EXPECT_EQ(count(names::kIdioms, QStringLiteral("歇后语")), 3);
    // The other collections of the store are the built ones.
    EXPECT_EQ(count(names::kIdioms, QStringLiteral("灯谜")), 2);

    // A bad file is refused whole and what was saved stays.
    write("一\t二\t三\n");
    EXPECT_THROW(saveImport(out, QStringLiteral("歇后语"), mine, false), std::runtime_error);
    build(kIdiomStore);
    EXPECT_EQ(count(names::kIdioms, QStringLiteral("歇后语")), 3);
    EXPECT_THROW(saveImport(out, QStringLiteral("hzbs"), mine, false), std::runtime_error);
    EXPECT_EQ(storeOfTable(QStringLiteral("fyclib")), unsigned(kClassicalStore));
    EXPECT_EQ(storeOfTable(QStringLiteral("cylib")), unsigned(kWordStore));
    EXPECT_EQ(storeOfTable(QStringLiteral("nothing")), 0u);
}

} // namespace
