// One row of a table of runs: a program, its input and the exact bytes of its answer.
#pragma once

#include <ostream>
#include <string>

#include <gtest/gtest.h>

struct Case {
	const char *program;
	const char *label;    // the test's name
	const char *input;    // null: no input file at all / standard input closed
	const char *expected; // the whole answer, byte for byte
};

inline std::string label(const testing::TestParamInfo<Case> &info) { return info.param.label; }

inline void PrintTo(const Case &c, std::ostream *os)
{
	*os << c.program << " <" << (c.input ? testing::PrintToString(std::string(c.input)) : "none") << ">";
}
