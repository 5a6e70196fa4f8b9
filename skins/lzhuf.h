#pragma once
// The skin files' compression: LZSS over a 4096-byte ring buffer with an
// adaptive Huffman coder for the literal/length codes and a fixed code for
// the upper bits of match positions (the 1988 LZHUF scheme).

#include <QByteArray>
#include <QByteArrayView>

namespace cx::skins::lzhuf {

inline constexpr int kRingSize = 4096;
inline constexpr int kLongestMatch = 60;
inline constexpr int kThreshold = 2; // matches are longer than this
inline constexpr int kCodeCount = 256 - kThreshold + kLongestMatch; // 314
inline constexpr int kNodeCount = kCodeCount * 2 - 1;                // 627
inline constexpr int kRoot = kNodeCount - 1;                         // 626
inline constexpr unsigned kMaxCount = 0x8000; // root count that triggers a rebuild

// Decodes exactly `size` bytes from `stream`. Reading past the end of the
// stream yields zero bytes, so a truncated stream still gives `size` bytes.
QByteArray decode(QByteArrayView stream, qsizetype size);

// Encodes `data` into a stream that decode() turns back into `data`.
QByteArray encode(QByteArrayView data);

} // namespace cx::skins::lzhuf
