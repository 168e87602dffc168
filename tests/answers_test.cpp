// Each program's answers, byte for byte, on the inputs that tell a right
// answer from a nearly right one.
#include <algorithm>
#include <cstdio>
#include <set>
#include <span>
#include <string>

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
	std::string name = c.program;
	std::string files = named(name) ? (c.input ? name + ".in " : "") + name + ".out " : "";
	EXPECT_EQ(a.files, files) << "output file missing, or stray files";
	if (named(name)) {
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
	{"bridge", "half_below_zero_is_zero", "201 2 2", "0.00\n"},
	{"bridge", "half_above_zero", "199 2 2", "0.50\n"},
	{"bridge", "one_above_zero", "99 1 1", "1.00\n"},
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
	{"bridge", "quotient_in_double", "-16777217 1 0", "33554534.00\n"},
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
	{"snail", "rate_beyond_32_bits", "2147483647 2147483646 -2", "2\n"},
	{"snail", "values_read_as_32_bits", "3000000000 1 0", "-1\n"},
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
	{"ab", "block_of_zeros", "10000000000 1000000000", "10000000000000000000\n"},
	{"ab", "zeros_at_front_of_block", "-10000000000 1000000001", "-10000000010000000000\n"},
	{"ab", "clamped_then_rest_zero", "99999999999999999999 2", "0\n"},
};
INSTANTIATE_TEST_SUITE_P(ab, Answers, testing::ValuesIn(ab), label);

const Case pairecho[] = {
	{"pairecho", "two_numbers", "3 4", "3\n4\n"},
	{"pairecho", "letters_skipped", "-12abc7", "-12\n7\n"},
	{"pairecho", "spaces_then_letters", "   -12abc7", "-12\n7\n"},
	{"pairecho", "minus_after_digits_ends_number", "12-34", "12\n34\n"},
	{"pairecho", "minus_before_digits", "12 -34", "12\n-34\n"},
	{"pairecho", "minus_before_space", "- 5 6", "0\n5\n"},
	{"pairecho", "double_minus", "--7 8", "0\n7\n"},
	{"pairecho", "minus_at_end", "5 -", "5\n0\n"},
	{"pairecho", "minus_before_high_byte", "-\xff" "7 8", "0\n7\n"},
	{"pairecho", "domain_ends", "2147483647 -2147483647", "2147483647\n-2147483647\n"},
	{"pairecho", "plus_skipped", "+9 1", "9\n1\n"},
	{"pairecho", "leading_zeros", "007 08", "7\n8\n"},
	{"pairecho", "minus_zero", "-0 5", "0\n5\n"},
	{"pairecho", "end_of_input_ends_number", "5\n6", "5\n6\n"},
	{"pairecho", "two_lines", "3\n4\n", "3\n4\n"},
	{"pairecho", "punctuation", "3, 4.", "3\n4\n"},
	{"pairecho", "colon_after_nine", "9:8", "9\n8\n"},
	{"pairecho", "bytes_above_127", "\xff\x80" "5\xfe" "6", "5\n6\n"},
	{"pairecho", "empty", "", "0\n0\n"},
	{"pairecho", "one_number", "42", "42\n0\n"},
	{"pairecho", "only_text", "no numbers here\n", "0\n0\n"},
	{"pairecho", "saturates_high", "2147483648 99999999999999999999", "2147483647\n2147483647\n"},
	{"pairecho", "smallest_then_below", "-2147483648 -2147483649", "-2147483648\n-2147483648\n"},
	{"pairecho", "long_negative", "-000099999999999999999999999 1", "-2147483648\n1\n"},
};
INSTANTIATE_TEST_SUITE_P(pairecho, Answers, testing::ValuesIn(pairecho), label);

const Case ceilsquare[] = {
	{"ceilsquare", "zero", "0", "0\n"},
	{"ceilsquare", "one", "1", "1\n"},
	{"ceilsquare", "two", "2", "4\n"},
	{"ceilsquare", "square", "4", "4\n"},
	{"ceilsquare", "after_square", "5", "9\n"},
	{"ceilsquare", "ten", "10", "16\n"},
	{"ceilsquare", "before_hundred", "99", "100\n"},
	{"ceilsquare", "hundred", "100", "100\n"},
	{"ceilsquare", "after_hundred", "101", "121\n"},
	{"ceilsquare", "second_largest_square", "2147302921", "2147302921\n"},
	{"ceilsquare", "after_second_largest", "2147302922", "2147395600\n"},
	{"ceilsquare", "before_largest_square", "2147395599", "2147395600\n"},
	{"ceilsquare", "largest_square", "2147395600", "2147395600\n"},
	{"ceilsquare", "after_largest_square", "2147395601", "2147488281\n"},
	{"ceilsquare", "largest_input", "2147483647", "2147488281\n"},
	{"ceilsquare", "clamped", "99999999999", "2147488281\n"},
	{"ceilsquare", "minus_one", "-1", "0\n"},
	{"ceilsquare", "smallest", "-2147483648", "0\n"},
};
INSTANTIATE_TEST_SUITE_P(ceilsquare, Answers, testing::ValuesIn(ceilsquare), label);

const Case threes[] = {
	{"threes", "ten", "10", "3 6 9 \n"},
	{"threes", "nine_included", "9", "3 6 9 \n"},
	{"threes", "eleven", "11", "3 6 9 \n"},
	{"threes", "three", "3", "3 \n"},
	{"threes", "two", "2", "\n"},
	{"threes", "zero", "0", "\n"},
	{"threes", "negative", "-5", "\n"},
	{"threes", "smallest", "-2147483648", "\n"},
	{"threes", "empty", "", "\n"},
	{"threes", "letters", "abc", "\n"},
	{"threes", "second_digit", "30", "3 6 9 12 15 18 21 24 27 30 \n"},
	{"threes", "third_digit", "105", "3 6 9 12 15 18 21 24 27 30 33 36 39 42 45 48 51 54 57 60 63 66 69 72 75 "
	                                  "78 81 84 87 90 93 96 99 102 105 \n"},
};
INSTANTIATE_TEST_SUITE_P(threes, Answers, testing::ValuesIn(threes), label);

const Case pellmod[] = {
	{"pellmod", "first", "1", "1\n"},
	{"pellmod", "second", "2", "2\n"},
	{"pellmod", "third", "3", "5\n"},
	{"pellmod", "fourth", "4", "12\n"},
	{"pellmod", "fifth", "5", "29\n"},
	{"pellmod", "sixth", "6", "70\n"},
	{"pellmod", "tenth", "10", "2378\n"},
	{"pellmod", "eleventh", "11", "5741\n"},
	{"pellmod", "last_below_modulus", "12", "13860\n"},
	{"pellmod", "first_reduced", "13", "694\n"},
	{"pellmod", "fourteenth", "14", "15248\n"},
	{"pellmod", "fifteenth", "15", "31190\n"},
	{"pellmod", "sixteenth", "16", "12094\n"},
	{"pellmod", "twentieth", "20", "4132\n"},
	{"pellmod", "thirtieth", "30", "3038\n"},
	{"pellmod", "thirty_fifth", "35", "29324\n"},
	{"pellmod", "thirty_sixth", "36", "14392\n"},
	{"pellmod", "fortieth", "40", "15615\n"},
	{"pellmod", "zero", "0", "\n"},
	{"pellmod", "negative", "-1", "\n"},
	{"pellmod", "smallest", "-2147483648", "\n"},
	{"pellmod", "beyond_bound", "10001", "\n"},
	{"pellmod", "largest", "2147483647", "\n"},
};
INSTANTIATE_TEST_SUITE_P(pellmod, Answers, testing::ValuesIn(pellmod), label);

const Case reachcount[] = {
	{"reachcount", "equal_to_limit_counts", "100 200 150 140 129 134 167 198 200 111 110", "5\n"},
	{"reachcount", "none", "41 50 60 70 80 90 100 200 300 400 10", "0\n"},
	{"reachcount", "all_equal", "40 40 40 40 40 40 40 40 40 40 10", "10\n"},
	{"reachcount", "clamped_then_rest_zero", "99999999999 50 50 50 50 50 50 50 50 50 0", "9\n"},
	{"reachcount", "text_then_rest_zero", "100 x 100 100 100 100 100 100 100 100 100", "9\n"},
	{"reachcount", "two_values_only", "100 200", "8\n"},
	{"reachcount", "negative", "-40 -5 -10 -11 0 0 0 0 0 0 -40", "3\n"},
	{"reachcount", "limit_beyond_32_bits",
	 "2147483647 2147483647 2147483647 2147483647 2147483647 2147483647 2147483647 2147483647 "
	 "2147483647 2147483647 2147483647",
	 "10\n"},
	{"reachcount", "smallest_limit",
	 "-2147483648 -2147483618 -2147483617 0 0 0 0 0 0 0 -2147483648", "2\n"},
	{"reachcount", "values_on_lines", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n-20\n", "10\n"},
	{"reachcount", "empty", "", "10\n"},
};
INSTANTIATE_TEST_SUITE_P(reachcount, Answers, testing::ValuesIn(reachcount), label);

const Case tiermul[] = {
	{"tiermul", "below_fifty", "49", "490\n"},
	{"tiermul", "fifty", "50", "400\n"},
	{"tiermul", "ninety_nine", "99", "792\n"},
	{"tiermul", "hundred", "100", "700\n"},
	{"tiermul", "zero", "0", "0\n"},
	{"tiermul", "negative", "-5", "-50\n"},
	{"tiermul", "thousand", "1000", "7000\n"},
	{"tiermul", "top_of_32_bits", "306783378", "2147483646\n"},
	{"tiermul", "past_32_bits", "306783379", "2147483653\n"},
	{"tiermul", "bottom_of_32_bits", "-214748364", "-2147483640\n"},
	{"tiermul", "below_32_bits", "-214748365", "-2147483650\n"},
	{"tiermul", "largest", "2147483647", "15032385529\n"},
	{"tiermul", "smallest", "-2147483648", "-21474836480\n"},
	{"tiermul", "one_below_smallest", "-2147483649", "-21474836480\n"},
	{"tiermul", "one_above_largest", "2147483648", "15032385529\n"},
	{"tiermul", "letters", "abc", "0\n"},
};
INSTANTIATE_TEST_SUITE_P(tiermul, Answers, testing::ValuesIn(tiermul), label);

const Case sum3[] = {
	{"sum3", "small", "1 2 3", "6\n"},
	{"sum3", "to_zero", "-1 -2 3", "0\n"},
	{"sum3", "beyond_32_bits", "3000000000 3000000000 3000000000", "9000000000\n"},
	{"sum3", "one_value", "5", "5\n"},
	{"sum3", "clamped_then_rest_zero", "99999999999999999999 -1 -1", "9223372036854775807\n"},
	{"sum3", "clamped_low", "-99999999999999999999 5 5", "-9223372036854775808\n"},
	{"sum3", "one_below_smallest", "-9223372036854775809 5 5", "-9223372036854775808\n"},
	{"sum3", "plus_signs", "+5 +6 -7", "4\n"},
	{"sum3", "one_above_largest", "9223372036854775808 5 5", "9223372036854775807\n"},
	{"sum3", "text_stores_zero", "5 x 7", "5\n"},
	{"sum3", "slash_ends_number", "9/8 7", "9\n"},
	{"sum3", "colon_ends_number", "9:8 7", "9\n"},
	{"sum3", "partial_sum_beyond_64_bits", "9223372036854775807 1 -1", "9223372036854775807\n"},
	{"sum3", "block_of_zeros", "9223372036854775807 776627963145224193 0", "10000000000000000000\n"},
	{"sum3", "zeros_at_front_of_block", "-9223372036854775808 -776627963145224192 -1", "-10000000000000000001\n"},
	{"sum3", "three_largest", "9223372036854775807 9223372036854775807 9223372036854775807",
	 "27670116110564327421\n"},
	{"sum3", "three_smallest", "-9223372036854775808 -9223372036854775808 -9223372036854775808",
	 "-27670116110564327424\n"},
};
INSTANTIATE_TEST_SUITE_P(sum3, Answers, testing::ValuesIn(sum3), label);

// Every program of the build has an example and rows here, and every row
// names one of them.
TEST(ProgramList, EveryProgramHasAnswers)
{
	std::set<std::string> listed, tested;
	for (const std::string &name : programs()) {
		listed.insert(name);
		EXPECT_FALSE(example(name).empty()) << name << " has no example input";
	}
	const std::span<const Case> tables[] = {bridge, snail, level, ab, pairecho, ceilsquare,
	                                        threes, pellmod, reachcount, tiermul, sum3};
	for (std::span<const Case> table : tables)
		for (const Case &c : table)
			tested.insert(c.program);
	EXPECT_EQ(tested, listed);
}

// Arguments change nothing: every program answers its example as without
// them, and a named-file program still empties NAME.out first.
TEST(Arguments, Ignored)
{
	const Via with = {"bash", "-c", "exec \"$0\" \"$@\" --help -x '1 2 3' 9"};
	for (const std::string &name : programs()) {
		Answer a = solve(name, example(name), with);
		EXPECT_EQ(a.answer, solve(name, example(name)).answer) << name << " with arguments";
		EXPECT_EQ(a.r.status, 0) << name << " with arguments";
		EXPECT_EQ(a.r.err, "") << name << " with arguments";
	}
}

// A reader that goes away first ends the program by SIGPIPE, as it ends any
// filter, with nothing said on standard error.
TEST(ThreesList, ReaderClosingEarlyEndsItBySigpipe)
{
	Scratch s;
	Result r = run(s, "threes", "2000000000", In::text, Out::capture, 10,
	               {"bash", "-c", "\"$0\" \"$@\" | head -c 20 >/dev/null; exit \"${PIPESTATUS[0]}\""});
	EXPECT_EQ(r.status, 128 + 13) << "not ended by SIGPIPE";
	EXPECT_EQ(r.err, "");
}

// Lists against plain counting in steps of three: ends at, before and after a
// hundred, and long lists across several carries into a new digit.
TEST(ThreesList, MatchesCounting)
{
	for (int n : {98, 99, 100, 101, 102, 200, 299, 999, 100000, 1000002}) {
		std::string expected;
		for (int m = 3; m <= n; m += 3)
			expected += std::to_string(m) + " ";
		expected += "\n";
		Answer a = solve("threes", std::to_string(n));
		// Megabytes each: say where they part rather than print them whole.
		auto at = std::mismatch(a.answer.begin(), a.answer.end(), expected.begin(), expected.end()).first;
		EXPECT_TRUE(a.answer == expected) << "n = " << n << ": " << a.answer.size() << " bytes, not "
		                                  << expected.size() << ", the first wrong one at byte "
		                                  << at - a.answer.begin();
	}
}

// Long runs with neither a digit nor a minus sign, up to and beyond a whole
// block of input, before the numbers; fed at once, and through a pipe with a
// pause after the run so that the numbers arrive in a later read.
TEST(PairechoSkip, LongRunsLoseNothing)
{
	const std::string tails[][2] = {{"9 5", "9\n5\n"}, {"-5 6", "-5\n6\n"}, {"- 7", "0\n7\n"}, {".8 /9", "8\n9\n"}};
	for (std::size_t length : {255, 256, 511, 512, 65536, 70000})
		for (const auto &[tail, expected] : tails) {
			std::string junk;
			for (std::size_t i = 0; i < length; i++)
				junk += " x\t+\xff"[i % 5]; // none that a skip from a wrong base would stop at
			EXPECT_EQ(solve("pairecho", junk + tail).answer, expected) << length << " bytes, then " << tail;
			Scratch s;
			std::string paused = "{ head -c " + std::to_string(length) + "; sleep 0.05; cat; } | \"$0\" \"$@\"";
			Result r = run(s, "pairecho", junk + tail, In::text, Out::capture, 10, {"bash", "-c", paused});
			EXPECT_EQ(r.out, expected) << length << " bytes, a pause, then " << tail;
		}
}

// Numbers that straddle two reads of the input: cut by a pause on a pipe,
// and across the end of a whole block of a long input.
TEST(Reader, NumbersAcrossReads)
{
	const struct {
		const char *program, *input;
		int cut;
		const char *expected;
	} paused[] = {
		{"sum3", "-9223372036854775808 12345 1", 12, "-9223372036854763462\n"},
		{"sum3", "12 -34 5", 4, "-17\n"},
		{"sum3", "99999999999999999999 1 1", 10, "9223372036854775807\n"},
		{"tiermul", "306783378", 5, "2147483646\n"},
		{"tiermul", "  \n", 1, "0\n"},
		{"sum3", "7 8 9", 1, "24\n"},
		{"pairecho", "-5 6", 1, "-5\n6\n"},
		{"pairecho", "12 34", 4, "12\n34\n"},
	};
	for (const auto &row : paused) {
		Scratch s;
		std::string cut = "{ head -c " + std::to_string(row.cut) + "; sleep 0.05; cat; } | \"$0\" \"$@\"";
		Result r = run(s, row.program, row.input, In::text, Out::capture, 10, {"bash", "-c", cut});
		EXPECT_EQ(r.out, row.expected) << row.program << " <" << row.input << "> cut after " << row.cut;
	}
	std::string pad(65530, ' ');
	EXPECT_EQ(solve("sum3", pad + "123456789 -987654321 5").answer, "-864197527\n");
	EXPECT_EQ(solve("ab", pad + "123456789\n-987654321").answer, "-121932631112635269\n");
	EXPECT_EQ(solve("ab", std::string(70000, '\t')).answer, "0\n");
	EXPECT_EQ(solve("pairecho", std::string("\0" "5\0" "6\0", 5)).answer, "5\n6\n") << "NUL bytes";
}

// The largest input lists 715827882 multiples, 7,503,736,336 bytes: only the
// end is kept, and a byte more than that is cut off, so that a list that runs
// on ends by SIGPIPE there rather than at the test's time-out.
TEST(ThreesList, LargestInputEndsExactly)
{
	std::string command = "echo 2147483647 | " EMULATOR " " + (fs::path(PROGRAM_DIR) / "threes").string() +
	                      " | head -c 7503736337 | tail -c 34; echo \"status ${PIPESTATUS[1]}\"";
	FILE *p = popen(("bash -c '" + command + "'").c_str(), "r");
	ASSERT_NE(p, nullptr);
	std::string tail;
	for (int c; (c = std::fgetc(p)) != EOF;)
		tail += static_cast<char>(c);
	pclose(p);
	EXPECT_EQ(tail, "2147483640 2147483643 2147483646 \nstatus 0\n");
}

} // namespace
