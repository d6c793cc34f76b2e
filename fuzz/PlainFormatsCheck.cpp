// The plain second reader against the file layouts' own examples, run before
// any fuzzing: the fuzzers hold the program to this reader, so a fault in it
// would pass a loader with the same fault or fail a sound one.
#include "PlainFormats.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int failures = 0;

void Expect(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "plain reader: %s\n", what);
    ++failures;
}

std::string Hex(const char* text) {
    std::string bytes;
    for (const char* at = text; *at; at += (at[2] == ' ' ? 3 : 2)) bytes.push_back(static_cast<char>(std::strtol(std::string(at, 2).c_str(), nullptr, 16)));
    return bytes;
}

uint64_t BitsOf(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// One ticket: board A 1..6, "abc", 5 Feb 1997, one week, both draws.
void CheckTicketExample() {
    const std::string file = Hex("01 00 01 00 01 00 02 00 03 00 04 00 05 00 06 00") + std::string(108, '\0') +
                             Hex("04 00 61 62 63 00 00 00 00 00 40 51 E1 40 01 00 00 00");
    const std::vector<plain::Ticket> tickets = plain::ReadTicketFile(file);
    Expect(tickets.size() == 1, "the ticket example holds one ticket");
    if (tickets.size() != 1) return;
    Expect(tickets[0].numbers[0] == 1 && tickets[0].numbers[5] == 6 && tickets[0].numbers[6] == 0, "board A only");
    Expect(tickets[0].description == "abc" && tickets[0].startDateBits == BitsOf(35466) && tickets[0].weeks == 1 &&
               tickets[0].drawDays == 0,
           "the example's fields");
    Expect(plain::WriteTicketFile(tickets) == file, "the example writes back byte for byte");
    Expect(plain::ReadTicketFile(file.substr(0, file.size() - 1)).empty(), "an incomplete record is dropped");
    Expect(plain::ReadTicketFile(Hex("01 00 FF FF") + file.substr(4)).empty(), "a negative count reads none");
    Expect(plain::WriteTicketFile({}) == Hex("01 00 00 00"), "an empty list is four bytes");
}

// 1 2 3 4 5 6 bonus 7 of Wednesday 5 Feb 1997, and the draws missing around it.
void CheckHistoryExample() {
    const std::string record = Hex("01 00 02 00 03 00 04 00 05 00 06 00 07 00 00 00 00 00 40 51 E1 40");
    const std::vector<plain::Draw> draws = plain::ReadHistoryFile(Hex("01 00 02 00") + record + record.substr(0, 21));
    Expect(draws.size() == 1 && draws[0].numbers[6] == 7 && draws[0].dateBits == BitsOf(35466),
           "one whole record of the history example");
    const std::vector<plain::Draw> filled = plain::WithMissingDraws(draws, 120);
    Expect(filled.size() == 120 && filled[1] == plain::UnrecordedDraw(34657) &&
               filled.back() == plain::UnrecordedDraw(35476),
           "draws 1..120 but 117 filled in, in draw order (120 is Sat 15 Feb 1997)");
}

void CheckImportExample() {
    const plain::ImportedFile file =
        plain::ReadImportFile("\r\n117      05-feb-1997  49 03 27 01 12 30  05\r118      08-FEB-1997   1  2  3 -4 +5  0   7\n");
    Expect(file.outcome == plain::ImportOutcome::Imported && file.draws.size() == 2, "two draws imported");
    if (file.draws.size() != 2) return;
    Expect(file.draws[0].numbers == std::array<int16_t, 7>{1, 3, 12, 27, 30, 49, 5} &&
               file.draws[0].dateBits == BitsOf(35466),
           "balls sorted, bonus kept, lower-case month");
    Expect(file.draws[1].numbers == std::array<int16_t, 7>{-4, 0, 1, 2, 3, 5, 7}, "signs and one-digit balls");
    Expect(plain::ReadImportFile("abc      05-FEB-1997  01 02 03 04 05 06  07").outcome ==
               plain::ImportOutcome::FormatError,
           "letters in the draw number");
    Expect(plain::ReadImportFile("117      31-FEB-1997  01 02 03 04 05 06  07").outcome ==
               plain::ImportOutcome::ConversionError,
           "no 31 February");
    Expect(plain::ReadImportFile("117      05-FEB-1997  01 02 03 04 05 06  0").outcome ==
               plain::ImportOutcome::Imported &&
               plain::ReadImportFile("117      05-FEB-1997  01 02 03 04 05 06  ").outcome ==
                   plain::ImportOutcome::ConversionError,
           "a line of 42 characters has a one-digit bonus, one of 41 none");
    Expect(plain::ReadImportFile("").outcome == plain::ImportOutcome::EmptyFile, "no bytes, no lines");
}

// Newest first, a quoted comma in a cell not read, and a row of the later
// game, which ends what is kept though the row after it has small balls.
void CheckCsvExample() {
    const plain::ImportedFile file = plain::ReadImportFile(
        "\r\ndrawno,Day,DD,MMM,YYYY,N1,N2,N3,N4,N5,N6,BonusBall,Jackpot\n"
        "120,Sat,15,Feb,1997,01,02,03,04,05,06,07,\"1,000\"\n"
        "119,Wed,12,Feb,1997,01,02,03,04,05,50,07,1\n"
        "118,Sat,8,Feb,1997,49,03,27,01,12,30,05,1\n"
        "117,Wed,5,Feb,1997, 6, 5, 4, 3, 2, 1,07,1\n");
    Expect(file.outcome == plain::ImportOutcome::Imported && file.commaSeparated && file.draws.size() == 2,
           "two comma-separated draws kept");
    if (file.draws.size() != 2) return;
    Expect(file.draws[0].numbers == std::array<int16_t, 7>{1, 2, 3, 4, 5, 6, 7} &&
               file.draws[0].dateBits == BitsOf(35466) && file.draws[1].dateBits == BitsOf(35469),
           "oldest first, balls sorted");
    Expect(file.laterGameDraws == 2 && file.laterGameFrom == 35473, "two draws from Wed 12 Feb 1997 left out");
    const plain::ImportedFile dated = plain::ReadImportFile(
        "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball\n05-Feb-1997,1,2,3,4,5,6,7\n");
    Expect(dated.draws.size() == 1 && dated.draws[0].dateBits == BitsOf(35466), "the dated layout");
    Expect(plain::ReadImportFile("DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball\n"
                                 "05-Feb-1997,1,2,3,4,5,6,70000\n")
                   .outcome == plain::ImportOutcome::ConversionError,
           "a ball too large for the history");
}

}  // namespace

int main() {
    CheckTicketExample();
    CheckHistoryExample();
    CheckImportExample();
    CheckCsvExample();
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
