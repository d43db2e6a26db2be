// The registry's judgements held: each column judged as it says, and the
// laws failing on rows made wrong.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "chapters/final_problems/final_problems_problems.h"
#include "chemistry/molar_mass.h"
#include "handbook_kinetics.h"
#include "table_registry.h"

namespace table_checks {

namespace {

const char* kind_name(Judgement::Kind kind)
{
    switch (kind) {
    case Judgement::Kind::handbook: return "handbook";
    case Judgement::Kind::law: return "law";
    case Judgement::Kind::pages: return "on every page";
    case Judgement::Kind::exact: return "exact";
    case Judgement::Kind::unjudged: return "NOT JUDGED";
    }
    return "";
}

std::vector<std::string> faults_of(const Judged& j, std::int32_t& judged)
{
    std::vector<std::string> faults;
    for (const auto& [key, text] : j.rows) {
        if (std::ranges::find(j.unjudged, key) != j.unjudged.end()) continue;
        ++judged;
        if (std::string fault = fault_of(j.column, key, text); !fault.empty()) faults.push_back(fault);
    }
    return faults;
}

// Each registered column judged as it says, and the coverage printed table
// by table.
TEST(TableRegistry, EveryRegisteredColumnHoldsItsJudgement)
{
    std::map<Judgement::Kind, std::int32_t> columns_by_kind;
    for (const RegisteredTable& t : registry()) {
        std::printf("%s (%s, %s)\n", t.title, t.file, t.identifier);
        for (const RegisteredColumn& c : t.columns) {
            ++columns_by_kind[c.judgement.kind];
            std::int32_t judged = 0;
            std::vector<std::string> faults;
            std::string unjudged_rows;
            if (c.judgement.kind == Judgement::Kind::handbook) {
                const Judged j = c.judgement.handbook();
                faults = faults_of(j, judged);
                if (!j.unjudged.empty())
                    unjudged_rows =
                        ", " + std::to_string(j.unjudged.size()) + " without a handbook row (" + j.why + ")";
            } else if (c.judgement.kind == Judgement::Kind::law) {
                faults = c.judgement.law(judged);
            }
            for (const std::string& fault : faults) ADD_FAILURE() << t.title << ": " << fault;
            if (c.judgement.kind == Judgement::Kind::handbook || c.judgement.kind == Judgement::Kind::law) {
                EXPECT_GT(judged, 0) << t.title << " " << c.name << " judges no row";
                std::printf("  %s: %s, %d rows judged%s\n", c.name,
                            c.judgement.kind == Judgement::Kind::law ? c.judgement.how : "handbook", judged,
                            unjudged_rows.c_str());
            } else {
                std::printf("  %s: %s (%s)\n", c.name, kind_name(c.judgement.kind), c.judgement.how);
            }
        }
    }
    std::printf("%zu tables;", registry().size());
    for (const auto& [kind, count] : columns_by_kind) std::printf(" %s %d;", kind_name(kind), count);
    std::printf("\n");
}

// The written-out figures' law on a row made wrong, bromine's molar mass
// of Br; and problem 19's liquids, which weigh as their formulas.
TEST(TableRegistry, LawsFailOnRowsMadeWrong)
{
    EXPECT_EQ(formula_mass_fault("Br@d2@", 79.904), "Br@d2@: 79.904 g/mol, formula mass 159.818");
    for (const final_problems::Liquid& l : final_problems::liquids)
        EXPECT_EQ(formula_mass_fault(liquid_formula(l), composition_molar_mass(l.composition)), "");
    // 9.37's rows as they stood before their evaluations: the temperatures
    // of 350-900 K where each leaves its evaluation's factor.
    const final_problems::Bimolecular before[] = {{"9.62", "7.80", "NO + O@d3@ = NO@d2@ + O@d2@"},
                                                  {"41.8", "7.25", "CH@d3@ + H@d2@ = CH@d4@ + H"},
                                                  {"111", "8.42", "2NO@d2@ = 2NO + O@d2@"},
                                                  {"82.0", "8.00", "NO + Cl@d2@ = NOCl + Cl"}};
    const std::size_t failing[] = {5, 7, 12, 10};
    for (std::size_t i = 0; i < std::size(before); ++i) {
        std::int32_t judged = 0;
        EXPECT_EQ(evaluation_faults(before[i], judged).size(), failing[i]) << before[i].reaction;
        EXPECT_EQ(judged, 12);
    }
}

}  // namespace

}  // namespace table_checks
