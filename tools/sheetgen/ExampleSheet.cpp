#include "ExampleSheet.h"

#include "TextCodec.h"

#include <QRandomGenerator>
#include <array>

namespace fyn {

using namespace layout;

namespace {

constexpr quint32 kFiguresSeed = 3112026;
constexpr quint32 kCarriedSeed = 20261101;
constexpr int kThisYear = ExampleSheet::kYearSlot; // 2026
constexpr int kLastYear = 1;                       // 2025

struct Person {
    const char* firstName;
    const char* surname;
    const char* email;
    std::array<const char*, 3> phones;
    PioneerStatus status;
    bool reportedInNovember;
};

// Names, addresses and numbers are made up; example.com is reserved for examples.
constexpr Person kPeople[] = {
    {"Ján",
     "Novák",
     "jan.novak@example.com",
     {"0905 123 456", "033/551 22 10", "54321"},
     RegularPioneer,
     true},
    {"Mária", "Nováková", "maria.novakova@example.sk", {"0905 123 457", "", ""}, Publisher, true},
    {"Peter", "Ďurica", "", {"0911 402 118", "", ""}, Publisher, false},
    {"Zuzana",
     "Šťastná",
     "zuzka.stastna@example.sk",
     {"0948 777 020", "4567", ""},
     AuxiliaryPioneer,
     true},
    {"Milan", "Žilinský", "milan@example.com", {"", "", ""}, Publisher, false},
    {"Katarína",
     "Kováčová",
     "katka.kovacova@example.sk",
     {"0903 610 244", "", ""},
     RegularPioneer,
     true},
    {"Jozef", "Horváth", "", {"033/534 11 89", "0907 300 300", ""}, Publisher, true},
    {"Eva", "Horváthová", "", {"0907 300 301", "", ""}, Publisher, false},
    {"Lukáš", "Baláž", "lukas.balaz@example.com", {"112", "", ""}, Publisher, true},
    {"Anna", "Szabová", "anna.szabova@priklad.sk", {"0915 880 421", "", ""}, Publisher, false},
    {"Ľubomír",
     "Čierny",
     "lubo.cierny@example.com",
     {"0902 556 781", "12 34", ""},
     SpecialPioneer,
     true},
    {"Jana", "Tóthová", "", {"", "", ""}, Publisher, false},
    {"Pieter", "van Dijk", "pieter.vandijk@example.sk", {"0949 120 556", "", ""}, Publisher, true},
    {"Veronika", "Kollárová", "veronika.k@example.com", {"0918 004 332", "", ""}, Publisher, false},
    {"Tomáš", "Hudák", "tomas.hudak@example.com", {"0944 218 907", "", ""}, AuxiliaryPioneer, true},
    {"Helena", "Némethová", "", {"033/552 40 07", "", ""}, Publisher, true},
    {"Róbert",
     "Oravec",
     "robo.oravec@example.com",
     {"0910 765 432", "99", "0905 000 111"},
     Publisher,
     false},
    {"Ivana", "Lukáčová", "ivana.lukacova@example.sk", {"", "", ""}, Publisher, true},
    {"Štefan", "Kučera", "", {"0904 313 131", "", ""}, Publisher, false},
    {"Oľga", "Blahová", "olga.blahova@priklad.sk", {"0917 222 818", "", ""}, RegularPioneer, false},
};

constexpr MonthReport kNotInService{0, 0, 0, 0, 0, false, 0};

QByteArray cp1250(const char* utf8) {
    return TextCodec::fromUnicode(QString::fromUtf8(utf8)).value_or(QByteArray());
}

MonthReport figuresFor(PioneerStatus status, QRandomGenerator& random) {
    MonthReport report;
    report.studies = static_cast<std::uint16_t>(random.bounded(4));
    switch (status) {
    case RegularPioneer:
        report.hours = static_cast<std::uint16_t>(45 + random.bounded(30));
        break;
    case SpecialPioneer:
        report.hours = static_cast<std::uint16_t>(95 + random.bounded(20));
        break;
    case AuxiliaryPioneer:
        report.hours = static_cast<std::uint16_t>(15 + random.bounded(20));
        break;
    case Publisher:
        break;
    }
    return report;
}

// Auxiliary pioneers serve so only in some months; the rest of the year they are publishers.
bool isAuxiliaryMonth(int month, int slot) {
    return slot == kThisYear ? (month == 2 || month == 3 || month == 10) : (month == 3);
}

} // namespace

SheetBuilder ExampleSheet::builder() {
    SheetBuilder sheet;
    sheet.setGroupNumber(kGroup);
    sheet.setReportMonth(kReportMonth);
    sheet.setSecretaryEmail(QByteArrayLiteral("tajomnik.zbor@example.com"));

    QRandomGenerator figures(kFiguresSeed);
    for (const Person& person : kPeople) {
        const int index = sheet.addPublisher(cp1250(person.firstName), cp1250(person.surname),
                                             cp1250(person.email), cp1250(person.phones[0]),
                                             cp1250(person.phones[1]), cp1250(person.phones[2]));
        for (int slot : {kThisYear, kLastYear}) {
            const int lastMonth = slot == kThisYear ? kReportMonth - 1 : kMonths - 1;
            for (int month = 0; month <= lastMonth; ++month) {
                PioneerStatus status = person.status;
                if (status == AuxiliaryPioneer && !isAuxiliaryMonth(month, slot)) {
                    status = Publisher;
                }
                sheet.setStatus(index, month, slot, status);
                sheet.setReport(index, month, slot, figuresFor(status, figures));
            }
        }
        sheet.setStatus(index, kReportMonth, kThisYear, person.status);
        if (person.reportedInNovember) {
            sheet.setReport(index, kReportMonth, kThisYear, figuresFor(person.status, figures));
        }
    }

    // Helena's report for November is a zero report, given as the remark 0.
    const int zero = sheet.addRemark(QByteArrayLiteral("0"));
    sheet.setReport(16, kReportMonth, kThisYear, kNotInService);
    sheet.setRemarkEntry(16, kReportMonth, kThisYear, static_cast<std::uint16_t>(zero));

    // Ján claims 5 credit hours for November.
    const int credit = sheet.addRemark(QByteArrayLiteral("5 +H"));
    sheet.setMonthValue(1, kCreditHours, kReportMonth, kThisYear, 5);
    sheet.setRemarkEntry(1, kReportMonth, kThisYear, static_cast<std::uint16_t>(credit));

    // Katarína's credit hours of March 2025.
    const int oldCredit = sheet.addRemark(QByteArrayLiteral("12 +H"));
    sheet.setMonthValue(6, kCreditHours, 2, kLastYear, 12);
    sheet.setRemarkEntry(6, 2, kLastYear, static_cast<std::uint16_t>(oldCredit));

    // Eva was ill in September and did not report.
    const int ill = sheet.addRemark(cp1250("Chorá, nebola v službe"));
    sheet.setReport(8, 8, kThisYear, kNotInService);
    sheet.setRemarkEntry(8, 8, kThisYear, static_cast<std::uint16_t>(ill));

    // Róbert moved in from another congregation in May 2025.
    const int moved = sheet.addRemark(cp1250("Presťahoval sa z Nitry"));
    sheet.setRemarkEntry(17, 4, kLastYear, static_cast<std::uint16_t>(moved));

    // Lukáš handed in October's report late, together with November's.
    sheet.markLate(9, 9);

    QRandomGenerator carried(kCarriedSeed);
    sheet.fillCarried(carried);
    return sheet;
}

} // namespace fyn
