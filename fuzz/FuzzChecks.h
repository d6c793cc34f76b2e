#pragma once

#include "fuzz/PlainFormats.h"
#include "lottery/THistoryList.h"
#include "lottery/TLineList.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace fuzz {

// A broken promise must stop the run so that libFuzzer keeps the input.
inline void Require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}

inline std::string_view BytesOf(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline uint64_t BitsOf(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The program's lists field by field, as the plain reader holds them.
inline std::vector<plain::Ticket> PlainTickets(const lottery::TLineList& tickets) {
    std::vector<plain::Ticket> plainTickets(static_cast<std::size_t>(tickets.Count()));
    for (int i = 0; i < tickets.Count(); ++i) {
        const lottery::TLine& ticket = tickets.At(i);
        plain::Ticket& plainTicket = plainTickets[static_cast<std::size_t>(i)];
        for (int board = 1; board <= lottery::TLine::kBoardCount; ++board)
            for (int position = 1; position <= lottery::TLine::kNumbersPerBoard; ++position)
                plainTicket.numbers[static_cast<std::size_t>((board - 1) * 6 + position - 1)] =
                    ticket.Number(board, position);
        plainTicket.description = std::string(ticket.Description());
        plainTicket.startDateBits = BitsOf(ticket.StartDate());
        plainTicket.weeks = ticket.Weeks();
        plainTicket.drawDays = ticket.DrawDays();
    }
    return plainTickets;
}

inline std::vector<plain::Draw> PlainDraws(const lottery::THistoryList& history) {
    std::vector<plain::Draw> draws(static_cast<std::size_t>(history.Count()));
    for (int i = 0; i < history.Count(); ++i) {
        plain::Draw& draw = draws[static_cast<std::size_t>(i)];
        for (int n = 1; n <= lottery::THistoryLine::kNumberCount; ++n)
            draw.numbers[static_cast<std::size_t>(n - 1)] = history.At(i).Number(n);
        draw.dateBits = BitsOf(history.At(i).DrawDate());
    }
    return draws;
}

inline const char* DifferentField(const plain::Ticket& expected, const plain::Ticket& actual) {
    if (expected.numbers != actual.numbers) return "boards";
    if (expected.description != actual.description) return "description";
    if (expected.startDateBits != actual.startDateBits) return "start date";
    return expected.weeks != actual.weeks ? "weeks" : "draw days";
}

inline const char* DifferentField(const plain::Draw& expected, const plain::Draw& actual) {
    return expected.numbers != actual.numbers ? "numbers" : "date";
}

// The program's records from `from` on must be exactly `expected`, or, with
// `exactly` false, start with them.
template <typename Record>
void RequireRecords(const std::vector<Record>& expected, const std::vector<Record>& actual, std::size_t from,
                    bool exactly, const char* promise) {
    const std::size_t have = actual.size() > from ? actual.size() - from : 0;
    if (have < expected.size() || (exactly && have != expected.size())) {
        std::fprintf(stderr, "broken: %s: %zu records expected, the program has %zu\n", promise, expected.size(), have);
        std::abort();
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] == actual[from + i]) continue;
        std::fprintf(stderr, "broken: %s: record %zu differs in its %s\n", promise, i + 1,
                     DifferentField(expected[i], actual[from + i]));
        std::abort();
    }
}

}  // namespace fuzz
