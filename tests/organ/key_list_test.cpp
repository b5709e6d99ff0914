// The key list resource and the translation of braced keys into interpreter arguments.
#include <gtest/gtest.h>

#include "organ/key_list.h"

using namespace lr::organ;

TEST(KeyList, HoldsTheHeadingAndFiftyNineKeysInArgumentOrder) {
    const auto& keys = keyList();
    ASSERT_EQ(keys.size(), 60u);
    EXPECT_EQ(keys[0], "list of keys");
    const std::pair<int, const char*> expected[] = {
        {1, "{band_1}"},   {12, "{band_12}"},  {13, "{band_beat}"}, {14, "{count}"},    {15, "{rnd}"},
        {16, "{rnd_cnl}"}, {17, "{bar_beat}"}, {18, "{bar_1}"},     {29, "{bar_12}"},   {30, "{bar_act}"},
        {31, "{A}"},       {42, "{L}"},        {43, "{xA}"},        {54, "{xL}"},       {55, "{xX}"},
        {56, "{xY}"},      {57, "{xZ}"},       {58, "{xW}"},        {59, "{band_over}"}};
    for (const auto& [argument, key] : expected) {
        EXPECT_EQ(keys[static_cast<std::size_t>(argument)], key);
        EXPECT_EQ(argumentOf(key), argument);
    }
    EXPECT_EQ(variableOf(43), "xA");
    EXPECT_EQ(ownRandomArgument(), 16);
}

TEST(KeyList, TranslatesEachBracedBlock) {
    const std::pair<const char*, const char*> cases[] = {
        {"{band_1}*{bar_1}/4+{xA}", "%1*%18/4+%43"},
        {"", "%0"},
        {"{nothing}", "%-1"},
        {"{Band_1}", "%-1"},  // case-sensitive
        {"{xX}+{xY}+{xZ}+{xW}", "%55+%56+%57+%58"},
        {"{band_over}>0.02", "%59>0.02"},
        {"{{band_1}", "%-1"},    // the block runs from the first "{" to the next "}"
        {"{band_1", "{band_1"},  // no closing brace: left as it is
        {"{A}}{B}", "%31}%32"},
        {"2*{count} {", "2*%14 {"},
        {"{}", "%-1"},
        {"  ", "  "},
    };
    for (const auto& [formula, translated] : cases)
        EXPECT_EQ(translateFormula(formula), translated) << formula;
}
