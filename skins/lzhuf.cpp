#include "skins/lzhuf.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace cx::skins::lzhuf {
namespace {

constexpr int kBlankFill = kRingSize - kLongestMatch; // 4036: where the first byte goes

// The upper 6 bits of a match position have a fixed prefix code: 1 code of
// 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7 and 16 of 8, assigned in order.
// The decoder looks the first 8 bits up in a 256-entry table that gives the
// upper bits and the total length (the table the published coder lists).
struct PositionTables {
    std::array<std::uint8_t, 64> codeLength{};
    std::array<std::uint8_t, 64> code{};        // left-aligned in 8 bits
    std::array<std::uint8_t, 256> upperBits{};  // by the first 8 bits read
    std::array<std::uint8_t, 256> totalLength{};
};

constexpr PositionTables makePositionTables()
{
    PositionTables t;
    constexpr int counts[] = {1, 3, 8, 12, 24, 16}; // for lengths 3 to 8
    int upper = 0;
    for (int len = 3; len <= 8; ++len)
        for (int k = 0; k < counts[len - 3]; ++k)
            t.codeLength[upper++] = std::uint8_t(len);
    int next = 0;
    for (int u = 0; u < 64; ++u) {
        t.code[u] = std::uint8_t(next);
        const int span = 256 >> t.codeLength[u];
        for (int b = next; b < next + span; ++b) {
            t.upperBits[b] = std::uint8_t(u);
            t.totalLength[b] = t.codeLength[u];
        }
        next += span;
    }
    return t;
}

constexpr PositionTables kPosition = makePositionTables();
static_assert(kPosition.code[1] == 0x20 && kPosition.code[12] == 0x90 && kPosition.code[63] == 0xFF);
static_assert(kPosition.totalLength[0xFF] == 8 && kPosition.upperBits[0x1F] == 0);

// The adaptive Huffman tree: nodes 0..kRoot ordered by count, leaves stored
// as son values of kNodeCount + code.
class Tree
{
public:
    Tree()
    {
        for (int i = 0; i < kCodeCount; ++i) {
            freq[i] = 1;
            son[i] = i + kNodeCount;
            parent[i + kNodeCount] = i;
        }
        for (int i = 0, j = kCodeCount; j <= kRoot; i += 2, ++j) {
            freq[j] = freq[i] + freq[i + 1];
            son[j] = i;
            parent[i] = parent[i + 1] = j;
        }
        freq[kNodeCount] = 0xFFFF; // sentinel that stops the reordering walk
        parent[kRoot] = 0;
    }

    // Counts one more occurrence of `c`. The rebuild check comes first, so
    // the code decoded while the root count is kMaxCount used the old tree.
    void update(int c)
    {
        if (freq[kRoot] == kMaxCount)
            rebuild();
        c = parent[c + kNodeCount];
        do {
            const std::uint32_t k = ++freq[c];
            int l = c + 1;
            if (k > freq[l]) {
                while (k > freq[++l]) {
                }
                --l;
                freq[c] = freq[l];
                freq[l] = k;
                const int i = son[c];
                parent[i] = l;
                if (i < kNodeCount)
                    parent[i + 1] = l;
                const int j = son[l];
                son[l] = i;
                parent[j] = c;
                if (j < kNodeCount)
                    parent[j + 1] = c;
                son[c] = j;
                c = l;
            }
            c = parent[c];
        } while (c != 0);
    }

    std::array<std::uint32_t, kNodeCount + 1> freq{};
    std::array<int, kNodeCount + kCodeCount> parent{};
    std::array<int, kNodeCount> son{};

private:
    // Halves the leaf counts (rounding up), keeping the leaves in node order,
    // then joins nodes i, i+1 in turn, each parent placed after the last node
    // whose count does not exceed its own.
    void rebuild()
    {
        int j = 0;
        for (int i = 0; i < kNodeCount; ++i) {
            if (son[i] >= kNodeCount) {
                freq[j] = (freq[i] + 1) / 2;
                son[j] = son[i];
                ++j;
            }
        }
        for (int i = 0, n = kCodeCount; n < kNodeCount; i += 2, ++n) {
            const std::uint32_t f = freq[i] + freq[i + 1];
            int k = n - 1;
            while (f < freq[k])
                --k;
            ++k;
            std::memmove(&freq[k + 1], &freq[k], sizeof(freq[0]) * (n - k));
            freq[k] = f;
            std::memmove(&son[k + 1], &son[k], sizeof(son[0]) * (n - k));
            son[k] = i;
        }
        for (int i = 0; i < kNodeCount; ++i) {
            const int k = son[i];
            if (k >= kNodeCount)
                parent[k] = i;
            else
                parent[k] = parent[k + 1] = i;
        }
    }
};

// Most significant bit first. A byte is fetched while 8 or fewer bits are
// buffered; bytes past the end read as zero.
class BitReader
{
public:
    explicit BitReader(QByteArrayView data) : m_data(data) {}

    int bit()
    {
        fill();
        const int b = (m_buf >> 15) & 1;
        m_buf = (m_buf << 1) & 0xFFFF;
        --m_len;
        return b;
    }

    int byte()
    {
        fill();
        const int b = (m_buf >> 8) & 0xFF;
        m_buf = (m_buf << 8) & 0xFFFF;
        m_len -= 8;
        return b;
    }

private:
    void fill()
    {
        while (m_len <= 8) {
            const unsigned b = m_pos < m_data.size() ? std::uint8_t(m_data[m_pos]) : 0u;
            ++m_pos;
            m_buf |= b << (8 - m_len);
            m_len += 8;
        }
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    unsigned m_buf = 0; // m_len bits, left-aligned in 16
    int m_len = 0;
};

class BitWriter
{
public:
    void put(int bit)
    {
        m_acc = std::uint8_t((m_acc << 1) | (bit & 1));
        if (++m_len == 8) {
            m_out.append(char(m_acc));
            m_acc = 0;
            m_len = 0;
        }
    }

    void put(unsigned value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i)
            put(int((value >> i) & 1));
    }

    QByteArray finish()
    {
        if (m_len > 0)
            m_out.append(char(m_acc << (8 - m_len)));
        m_len = 0;
        m_acc = 0;
        return std::move(m_out);
    }

private:
    QByteArray m_out;
    std::uint8_t m_acc = 0;
    int m_len = 0;
};

int decodeChar(Tree &tree, BitReader &in)
{
    int c = tree.son[kRoot];
    while (c < kNodeCount)
        c = tree.son[c + in.bit()];
    c -= kNodeCount;
    tree.update(c);
    return c;
}

int decodePosition(BitReader &in)
{
    int i = in.byte();
    const int upper = kPosition.upperBits[i] << 6;
    for (int j = kPosition.totalLength[i] - 2; j > 0; --j)
        i = (i << 1) + in.bit();
    return upper | (i & 0x3F);
}

void encodeChar(Tree &tree, BitWriter &out, int c)
{
    // The path is found from the leaf upwards and sent from the root down.
    std::array<std::uint8_t, kNodeCount> path{};
    int depth = 0;
    int k = tree.parent[c + kNodeCount];
    do {
        path[depth++] = std::uint8_t(k & 1);
        k = tree.parent[k];
    } while (k != kRoot);
    while (depth > 0)
        out.put(path[--depth]);
    tree.update(c);
}

void encodePosition(BitWriter &out, int position)
{
    const int upper = position >> 6;
    const int len = kPosition.codeLength[upper];
    out.put(unsigned(kPosition.code[upper]) >> (8 - len), len);
    out.put(unsigned(position & 0x3F), 6);
}

} // namespace

QByteArray decode(QByteArrayView stream, qsizetype size)
{
    QByteArray out;
    if (size <= 0)
        return out;
    out.resize(size);
    char *dst = out.data();
    std::array<char, kRingSize> ring{};
    std::memset(ring.data(), ' ', kBlankFill);
    int r = kBlankFill;
    Tree tree;
    BitReader in(stream);
    qsizetype count = 0;
    while (count < size) {
        const int c = decodeChar(tree, in);
        if (c < 256) {
            dst[count++] = char(c);
            ring[r] = char(c);
            r = (r + 1) & (kRingSize - 1);
            continue;
        }
        const int from = (r - decodePosition(in) - 1) & (kRingSize - 1);
        const int length = c - 255 + kThreshold;
        for (int k = 0; k < length && count < size; ++k) {
            const char b = ring[(from + k) & (kRingSize - 1)];
            dst[count++] = b;
            ring[r] = b;
            r = (r + 1) & (kRingSize - 1);
        }
    }
    return out;
}

QByteArray encode(QByteArrayView data)
{
    // Matches are searched in the data preceded by the blanks the decoder's
    // ring buffer starts with; virtual index v sits at ring position v mod 4096.
    const qsizetype n = data.size();
    std::vector<std::uint8_t> v(kBlankFill + n);
    std::memset(v.data(), ' ', kBlankFill);
    if (n > 0)
        std::memcpy(v.data() + kBlankFill, data.data(), n);
    const qsizetype total = qsizetype(v.size());

    constexpr int kHashBits = 15;
    constexpr int kChainLimit = 96;
    constexpr qsizetype kFarthest = kRingSize - 1;
    std::vector<std::int32_t> head(1 << kHashBits, -1);
    std::vector<std::int32_t> prev(v.size(), -1);
    auto hashAt = [&](qsizetype p) {
        return ((unsigned(v[p]) << 10) ^ (unsigned(v[p + 1]) << 5) ^ unsigned(v[p + 2])) & ((1u << kHashBits) - 1);
    };
    auto insert = [&](qsizetype p) {
        if (p + 2 >= total)
            return;
        const unsigned h = hashAt(p);
        prev[p] = head[h];
        head[h] = std::int32_t(p);
    };
    for (qsizetype p = kBlankFill - kLongestMatch; p < kBlankFill; ++p)
        insert(p);

    Tree tree;
    BitWriter out;
    qsizetype cur = kBlankFill;
    while (cur < total) {
        const int room = int(std::min<qsizetype>(kLongestMatch, total - cur));
        int bestLength = 0;
        qsizetype bestFrom = 0;
        if (room > kThreshold) {
            int chain = 0;
            for (std::int32_t p = head[hashAt(cur)]; p >= 0 && cur - p <= kFarthest && chain < kChainLimit;
                 p = prev[p], ++chain) {
                int len = 0;
                while (len < room && v[p + len] == v[cur + len])
                    ++len;
                if (len > bestLength) {
                    bestLength = len;
                    bestFrom = p;
                    if (len == room)
                        break;
                }
            }
        }
        int step = 1;
        if (bestLength > kThreshold) {
            encodeChar(tree, out, 255 - kThreshold + bestLength);
            encodePosition(out, int(cur - bestFrom - 1));
            step = bestLength;
        } else {
            encodeChar(tree, out, v[cur]);
        }
        for (int k = 0; k < step; ++k)
            insert(cur + k);
        cur += step;
    }
    return out.finish();
}

} // namespace cx::skins::lzhuf
