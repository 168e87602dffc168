// Each program's answers, byte for byte, on the inputs that tell a right
// answer from a nearly right one.
#include "cases.h"
#include "harness.h"

namespace {

struct Answers : testing::TestWithParam<Case> {};

TEST_P(Answers, Exact)
{
	const Case &c = GetParam();
	Answer a = solve(c.program, c.input);
	EXPECT_EQ(a.answer, c.expected);
	EXPECT_EQ(a.r.status, 0);
	EXPECT_EQ(a.r.err, "");
	if (named(c.program)) {
		EXPECT_TRUE(a.written) << "no output file";
		EXPECT_EQ(a.r.out, "") << "a named-file program wrote on standard output";
	}
}

const Case bridge[] = {
	{"bridge", "whole", "100 4 6", "80.00\n"},
	{"bridge", "thirds_down", "1 1 2", "99.33\n"},
	{"bridge", "thirds_up", "2 1 2", "98.67\n"},
	{"bridge", "binary_half_to_even_up", "1 0 16", "99.88\n"},
	{"bridge", "binary_half_to_even_down", "3 0 16", "99.62\n"},
	{"bridge", "decimal_half_lies_below", "1 0 80", "99.97\n"},
	{"bridge", "decimal_half_lies_above", "1 0 400", "100.00\n"},
	{"bridge", "exactly_zero_not_negative", "500 4 6", "0.00\n"},
	{"bridge", "negative_is_zero", "1000 4 6", "0.00\n"},
	{"bridge", "zeros", "0 0 0", "0.00\n"},
	{"bridge", "no_input_file", nullptr, "0.00\n"},
	{"bridge", "negative_dividend", "-100 4 6", "120.00\n"},
	{"bridge", "negative_sum", "10 -3 -2", "104.00\n"},
	{"bridge", "both_negative", "-10 -3 -2", "96.00\n"},
	{"bridge", "minus_infinity_is_zero", "5 0 0", "0.00\n"},
	{"bridge", "plus_infinity", "-5 0 0", "inf\n"},
	{"bridge", "sum_does_not_wrap", "2147483647 2147483647 2147483647", "99.00\n"},
	{"bridge", "large_without_exponent", "-2147483648 1 0", "4294967396.00\n"},
	{"bridge", "three_lines", "100\n4\n6\n", "80.00\n"},
	{"bridge", "every_white_space", "\t100\r\n\v4\f 6", "80.00\n"},
	{"bridge", "text_after_values", "100 4 6 7 word", "80.00\n"},
	{"bridge", "clamped_then_rest_zero", "-99999999999 4 6", "inf\n"},
	{"bridge", "letters_read_as_zero", "abc 4 6", "0.00\n"},
};
INSTANTIATE_TEST_SUITE_P(bridge, Answers, testing::ValuesIn(bridge), label);

const Case snail[] = {
	{"snail", "rounded_up", "10 3 1", "5\n"},
	{"snail", "exact_not_rounded", "10 4 1", "3\n"},
	{"snail", "exact_six", "20 5 2", "6\n"},
	{"snail", "one_step", "5 4 3", "2\n"},
	{"snail", "first_day_equal", "10 10 5", "1\n"},
	{"snail", "first_day_before_progress_test", "10 12 50", "1\n"},
	{"snail", "no_progress", "10 3 3", "-1\n"},
	{"snail", "slides_back", "10 3 5", "-1\n"},
	{"snail", "zeros", "0 0 0", "1\n"},
	{"snail", "no_input_file", nullptr, "1\n"},
	{"snail", "largest_in_32_bits", "2147483647 1 0", "2147483647\n"},
	{"snail", "beyond_32_bits", "2147483647 0 -1", "2147483648\n"},
	{"snail", "widest_differences", "2147483647 -2147483647 -2147483648", "4294967295\n"},
	{"snail", "large_rounded_up", "2147483647 2 0", "1073741824\n"},
};
INSTANTIATE_TEST_SUITE_P(snail, Answers, testing::ValuesIn(snail), label);

const Case level[] = {
	{"level", "first", "1", "1"},
	{"level", "second", "2", "2"},
	{"level", "third", "3", "4"},
	{"level", "first_sum", "4", "7"},
	{"level", "fifth", "5", "13"},
	{"level", "tenth", "10", "274"},
	{"level", "twelfth", "12", "927"},
	{"level", "table_end", "51", "19426970897100"},
	{"level", "past_table_end", "52", ""},
	{"level", "zero", "0", ""},
	{"level", "negative", "-1", ""},
	{"level", "no_input_file", nullptr, ""},
	{"level", "largest", "9223372036854775807", ""},
	{"level", "smallest", "-9223372036854775808", ""},
	{"level", "clamped", "99999999999999999999", ""},
};
INSTANTIATE_TEST_SUITE_P(level, Answers, testing::ValuesIn(level), label);

const Case ab[] = {
	{"ab", "positive", "3 4", "12\n"},
	{"ab", "one_negative", "-3 4", "-12\n"},
	{"ab", "two_negative", "-3 -4", "12\n"},
	{"ab", "beyond_32_bits", "1000000000 1000000000", "1000000000000000000\n"},
	{"ab", "zero_unsigned", "0 -7", "0\n"},
	{"ab", "most_negative", "-9223372036854775808 1", "-9223372036854775808\n"},
	{"ab", "largest_squared", "9223372036854775807 9223372036854775807",
	 "85070591730234615847396907784232501249\n"},
	{"ab", "smallest_squared", "-9223372036854775808 -9223372036854775808",
	 "85070591730234615865843651857942052864\n"},
	{"ab", "smallest_by_largest", "-9223372036854775808 9223372036854775807",
	 "-85070591730234615856620279821087277056\n"},
	{"ab", "no_input_file", nullptr, "0\n"},
	{"ab", "clamped_then_rest_zero", "99999999999999999999 2", "0\n"},
};
INSTANTIATE_TEST_SUITE_P(ab, Answers, testing::ValuesIn(ab), label);

} // namespace
