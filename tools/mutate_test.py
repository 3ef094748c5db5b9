#!/usr/bin/env python3
"""Checks of tools/mutate's tokenizer and site rules on small C++ snippets.

    python3 tools/mutate_test.py
"""

import sys
import unittest

sys.dont_write_bytecode = True  # no __pycache__ in the checkout
import mutate_sites as ms  # noqa: E402

# Source → the tokens it reads as (kind, text); comments are dropped.
TOKENS = [
    ("a // c < d\nb", [("id", "a"), ("id", "b")]),
    ("/* x <\n y */ z", [("id", "z")]),
    ('"a < \\" b" c', [("str", '"a < \\" b"'), ("id", "c")]),
    ('R"x(a)" < ")x" d', [("str", 'R"x(a)" < ")x"'), ("id", "d")]),
    ('u8"s"sv L"w"', [("str", 'u8"s"sv'), ("str", 'L"w"')]),
    ("'<' '\\'' u'x'", [("chr", "'<'"), ("chr", "'\\''"), ("chr", "u'x'")]),
    ("1'000 0x1e+2 1.5e-3f .5", [("num", "1'000"), ("num", "0x1e+2"), ("num", "1.5e-3f"), ("num", ".5")]),
    ("#include <vector>\nx", [("pp", "#include <vector>"), ("id", "x")]),
    ("#define A \\\n  (1 < 2)\ny", [("pp", "#define A \\\n  (1 < 2)"), ("id", "y")]),
    ("a<<=b->c>>d", [("id", "a"), ("punct", "<<="), ("id", "b"), ("punct", "->"), ("id", "c"),
                     ("punct", ">>"), ("id", "d")]),
]

# Snippet → its sites as (original, options), in order.
REL = ("<=", ">=")
SITES = [
    ("if (a < b) {}", [("<", REL)]),
    ("if (f(x) < y) {}", [("<", REL)]),
    ("std::vector<int> v; std::map<K, std::pair<A, B>> m;", []),
    ("template <typename T> T f();", []),
    ("auto n = static_cast<int>(x) > y;", [(">", (">=", "<="))]),
    ("void f(Foo&& x, Bar* p, int& r, const char* s);", []),
    ("ok = a && !b || c;", [("&&", ("||",)), ("!", ("",)), ("||", ("&&",))]),
    ("ok = not b;", [("not", ("",))]),
    ("x = -y; z = a - b * c / d % e;", [("-", ("+",)), ("*", ("/",)), ("/", ("*",)), ("%", ("/",))]),
    ("i += 2; j -= k;", [("+=", ("-=",)), ("2", ("1", "3")), ("-=", ("+=",))]),
    ("for (i = 0; i <= n; ++i) {}", [("0", ("1",)), ("<=", ("<", ">")), ("++", ("--",))]),
    ("p->x == q.y != r;", [("==", ("!=",)), ("!=", ("==",))]),
    ("std::cout << x >> y; v = a << 2;", [("2", ("1", "3"))]),
    ("bool operator<(const A& o) const { return v < o.v; }", [("<", REL)]),
    ("bool operator!() const; A& operator++();", []),
    ('s = "a" + t; u = t + "b";', []),
    ("f(256, 0x10, 1.5, 07, 1'0); g(255u);", [("255u", ("254u", "256u"))]),
    ("virtual void f() const = 0; int z = 0;", [("0", ("1",))]),
    ("flag = true; other = false;", [("true", ("false",)), ("false", ("true",))]),
    ("// x < y\n/* a == b */ s = \"c != d\"; c = '!';", []),
    ("#if 0\nx = 1;\n#endif\ny = 1;", [("1", ("0", "2"))]),
    ("#ifdef _WIN32\nx = 1;\n#else\ny = 2;\n#endif", [("2", ("1", "3"))]),
    ("#ifndef _WIN32\nx = 1;\n#else\ny = 2;\n#endif", [("1", ("0", "2"))]),
    ("#if defined(_WIN32) && X\nx = 1;\n#endif\n#ifdef NDEBUG\ny = 3;\n#endif", [("3", ("2", "4"))]),
]


class Tokenizer(unittest.TestCase):
    def test_tokens(self):
        for source, expected in TOKENS:
            with self.subTest(source=source):
                self.assertEqual([(t.kind, t.text) for t in ms.tokenize(source)], expected)

    def test_positions(self):
        toks = ms.tokenize("a\n/* x\n */  b")
        self.assertEqual([(t.line, t.col) for t in toks], [(1, 1), (3, 6)])


class Sites(unittest.TestCase):
    def test_sites(self):
        for source, expected in SITES:
            with self.subTest(source=source):
                found = ms.sites("f.cpp", source)
                self.assertEqual([(s.original, s.options) for s in found], expected)

    def test_apply_replaces_only_the_site(self):
        source = "if (a < b && c < d) {}"
        second = ms.sites("f.cpp", source)[2]
        self.assertEqual(ms.Mutant(second, ">=").apply(source), "if (a < b && c >= d) {}")
        with self.assertRaises(ValueError):
            ms.Mutant(second, ">=").apply("if (a < b && c == d) {}")

    def test_choice_is_seeded_and_a_smaller_count_is_a_prefix(self):
        source = "\n".join(f"x{i} = a{i} < b{i} + {i % 7};" for i in range(40))
        all_sites = ms.sites("f.cpp", source)
        ids = lambda seed, count: [m.id for m in ms.choose(all_sites, seed, count)]
        self.assertEqual(ids(3, 10), ids(3, 10))
        self.assertEqual(ids(3, 25)[:10], ids(3, 10))
        self.assertNotEqual(ids(3, 10), ids(4, 10))
        self.assertEqual(len(set(ids(3, 200))), len(all_sites))


if __name__ == "__main__":
    unittest.main()
