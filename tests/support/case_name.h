// Names parameterised test cases after their `name` field, so a failure says
// which case of a table broke.
#ifndef ENDOHEDRAL_TESTS_CASE_NAME_H
#define ENDOHEDRAL_TESTS_CASE_NAME_H

#include <gtest/gtest.h>

#include <string>

struct CaseName {
  template <class Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

#endif
