#pragma once

#include "lottery/ByteStream.h"
#include "lottery/DrawCalendar.h"
#include "lottery/THistoryList.h"
#include "lottery/TLineList.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// A broken promise must stop the run so that libFuzzer keeps the input.
inline void Require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}

// A list's file image: the format word, then the list, as the saves write it.
template <typename List>
std::string Saved(const List& list) {
    lottery::ByteWriter writer;
    writer.WriteUInt16(1);
    list.WriteTo(writer);
    return writer.Bytes();
}

// The lists from a file image, as the loads read them.
inline lottery::TLineList LoadedTickets(std::string_view bytes) {
    lottery::ByteReader reader(bytes);
    reader.ReadUInt16();
    lottery::TLineList tickets;
    tickets.ReadFrom(reader);
    return tickets;
}

inline lottery::THistoryList LoadedHistory(std::string_view bytes) {
    lottery::ByteReader reader(bytes);
    reader.ReadUInt16();
    lottery::THistoryList history;
    history.ReadFrom(reader);
    return history;
}

// A loaded or imported history must hold every draw up to the latest one,
// unless it filled up first. One pass over the list keeps each run quick.
inline void RequireEveryDraw(const lottery::THistoryList& history, int latestDrawNumber) {
    if (history.Full()) return;
    std::vector<bool> present(static_cast<std::size_t>(latestDrawNumber) + 1, false);
    for (int i = 0; i < history.Count(); ++i) {
        const int draw = lottery::DrawNumberOf(history.At(i).DrawDate());
        if (draw >= 1 && draw <= latestDrawNumber) present[draw] = true;
    }
    for (int draw = 1; draw <= latestDrawNumber; ++draw) Require(present[draw], "every draw has an entry");
}

inline std::string_view BytesOf(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
