// The skin coder: our encoder's streams decode to the input, and the decoder
// copes with the awkward inputs a skin file can present.
#include "skins/lzhuf.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace cx::skins;

namespace {

QByteArray randomBytes(qsizetype n, quint32 seed, int alphabet = 256)
{
    QRandomGenerator gen(seed);
    QByteArray b(n, '\0');
    for (char &c : b)
        c = char(gen.bounded(alphabet));
    return b;
}

QByteArray roundTrip(const QByteArray &data)
{
    return lzhuf::decode(lzhuf::encode(data), data.size());
}

} // namespace

TEST(Lzhuf, RoundTripsVariedData)
{
    QByteArray text;
    for (int i = 0; i < 500; ++i)
        text += "[Buttons]\r\nImage=buttons.bmp\r\nTopHeight=" + QByteArray::number(i % 7) + "\r\n";
    const struct {
        const char *what;
        QByteArray data;
    } cases[] = {
        {"one byte", "x"},
        {"two bytes", "xy"},
        {"blanks only (matches into the initial ring)", QByteArray(5000, ' ')},
        {"description-like text", text},
        {"random bytes", randomBytes(20000, 1)},
        {"few distinct bytes", randomBytes(30000, 2, 3)},
        {"zeros", QByteArray(70000, '\0')},
    };
    for (const auto &c : cases)
        EXPECT_EQ(roundTrip(c.data), c.data) << c.what;
}

TEST(Lzhuf, EmptyInputGivesEmptyOutput)
{
    EXPECT_TRUE(lzhuf::encode({}).isEmpty());
    EXPECT_TRUE(lzhuf::decode({}, 0).isEmpty());
    EXPECT_TRUE(lzhuf::decode("\x12\x34", 0).isEmpty());
}

TEST(Lzhuf, TreeRebuildsKeepEncoderAndDecoderInStep)
{
    // Far more than 0x8000 codes, so the tree is rebuilt many times, with the
    // counts skewed so that the rebuilt tree differs from the first one.
    QByteArray data = randomBytes(150000, 3, 40);
    for (qsizetype i = 0; i < data.size(); i += 7)
        data[i] = 'e';
    ASSERT_EQ(roundTrip(data), data);
    // Literal-only data keeps every code a literal through several rebuilds.
    const QByteArray literals = randomBytes(0x8000 * 3 + 17, 4);
    EXPECT_EQ(roundTrip(literals), literals);
}

TEST(Lzhuf, OverlappingMatchesRepeatRecentBytes)
{
    const QByteArray data = QByteArray("abc").repeated(4000);
    const QByteArray stream = lzhuf::encode(data);
    // 12000 bytes from a handful of literals and 60-byte matches at distance 3.
    EXPECT_LT(stream.size(), 12000 / 60 * 3);
    EXPECT_EQ(lzhuf::decode(stream, data.size()), data);
}

TEST(Lzhuf, OutputStopsAtTheRequestedLength)
{
    const QByteArray data(600, 'q');
    const QByteArray stream = lzhuf::encode(data);
    // The last match runs past 61 bytes; the output still holds exactly 61.
    EXPECT_EQ(lzhuf::decode(stream, 61), QByteArray(61, 'q'));
    EXPECT_EQ(lzhuf::decode(stream, 1), QByteArray("q"));
}

TEST(Lzhuf, TruncatedStreamDecodesAsIfZerosFollowed)
{
    const QByteArray data = randomBytes(8000, 5, 16);
    const QByteArray stream = lzhuf::encode(data);
    const QByteArray padded = stream.first(stream.size() / 2) + QByteArray(stream.size(), '\0');
    const QByteArray cut = lzhuf::decode(stream.first(stream.size() / 2), data.size());
    EXPECT_EQ(cut.size(), data.size());
    EXPECT_EQ(cut, lzhuf::decode(padded, data.size()));
    EXPECT_EQ(cut.first(1000), data.first(1000));
    // No data at all still gives the length asked for.
    EXPECT_EQ(lzhuf::decode({}, 5000).size(), 5000);
}

TEST(Lzhuf, FirstCodesFollowTheInitialTree)
{
    // In the initial tree node j >= 314 has sons 2(j - 314) and 2(j - 314) + 1:
    // eight 0 bits lead from the root to leaf 116 ("t"), nine 1 bits to 115 ("s").
    EXPECT_EQ(lzhuf::decode({}, 1), QByteArray("t"));
    EXPECT_EQ(lzhuf::decode("\xFF\xFF", 1), QByteArray("s"));
}

TEST(Lzhuf, DecodingIsStable)
{
    // Pins what the decoder makes of an arbitrary stream long enough for
    // many matches and several tree rebuilds: a change here makes every
    // shipped skin decode differently.
    const QByteArray out = lzhuf::decode(randomBytes(60000, 6), 300000);
    EXPECT_EQ(QCryptographicHash::hash(out, QCryptographicHash::Sha1).toHex().left(16), QByteArray("128bb5f0d8d8effe"));
}
