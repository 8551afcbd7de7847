#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each case of a parameterised test after the `name` of its row.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& testCase) const
    {
        return testCase.param.name;
    }
};
