"""The sites where tools/mutate plants a fault: a small C++ tokenizer and the
rules that say which tokens are operators and constants of real code.

The tokenizer knows comments, string literals (prefixed and raw ones too),
character literals, numbers and preprocessor lines; everything else is an
identifier or a punctuator (longest match). The source tree is clang-formatted,
so a binary operator has a space on both sides, while a template's angle
brackets, a pointer's or reference's `*`, `&&` and a unary `-` do not: that is
how the rules below tell them apart without parsing C++.
"""

import random
import re
from dataclasses import dataclass

PUNCTUATORS = sorted(
    """<=> <<= >>= ->* ... :: -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= .* ##
    { } [ ] ( ) ; : , . ? ~ ! + - * / % ^ & | = < > #""".split(),
    key=len,
    reverse=True,
)
STRING_PREFIXES = {"L", "u", "U", "u8", "R", "LR", "uR", "UR", "u8R"}
CHAR_PREFIXES = {"L", "u", "U", "u8"}

# Swaps of binary operators: a boundary shift and the opposite for the
# relational ones, the other one for the rest.
BINARY = {
    "<": ("<=", ">="),
    "<=": ("<", ">"),
    ">": (">=", "<="),
    ">=": (">", "<"),
    "==": ("!=",),
    "!=": ("==",),
    "&&": ("||",),
    "||": ("&&",),
    "+": ("-",),
    "-": ("+",),
    "*": ("/",),
    "/": ("*",),
    "%": ("/",),
    "+=": ("-=",),
    "-=": ("+=",),
    "*=": ("/=",),
    "/=": ("*=",),
}
KIND = {
    "<": "relational", "<=": "relational", ">": "relational", ">=": "relational",
    "==": "equality", "!=": "equality", "&&": "logical", "||": "logical",
}
# The largest integer literal counted as a small constant.
SMALL = 255
# Keywords after which a `+`, `-` or `*` cannot be binary.
NOT_OPERAND = {
    "return", "case", "co_return", "co_yield", "throw", "else", "do", "sizeof", "new",
    "delete", "const", "constexpr", "auto", "typename", "class", "struct", "operator",
}


@dataclass
class Token:
    kind: str  # id, num, str, chr, punct, pp
    text: str
    start: int  # offset in the text
    line: int
    col: int
    space_before: bool
    space_after: bool = False
    dead: bool = False  # inside a block the build leaves out (#if 0, Windows-only)


def _windows_condition(directive, condition):
    """For an #if-like line: 'win' when its block is built on Windows only,
    'notwin' when everywhere but Windows, 'zero' for #if 0, else None."""
    cond = condition.replace(" ", "")
    if directive == "if" and cond in ("0", "false"):
        return "zero"
    if "_WIN32" not in cond:
        return None
    negated = directive == "ifndef" or cond.startswith("!")
    return "notwin" if negated else "win"


class _Conditionals:
    """The stack of #if blocks, to know whether a line is built on Linux."""

    def __init__(self):
        self.frames = []  # [kind, in_else]

    def directive(self, text):
        m = re.match(r"#\s*(\w+)\s*(.*)", text, re.S)
        if not m:
            return
        name, rest = m.group(1), re.sub(r"//.*|/\*.*?\*/", "", m.group(2), flags=re.S).strip()
        if name in ("if", "ifdef", "ifndef"):
            self.frames.append([_windows_condition(name, rest), False])
        elif name in ("else", "elif", "elifdef", "elifndef") and self.frames:
            self.frames[-1][1] = True
        elif name == "endif" and self.frames:
            self.frames.pop()

    def dead(self):
        for kind, in_else in self.frames:
            if kind in ("win", "zero") and not in_else:
                return True
            if kind == "notwin" and in_else:
                return True
        return False


def tokenize(text):
    """The tokens of C++ source text; comments are dropped."""
    tokens = []
    conditionals = _Conditionals()
    i, n = 0, len(text)
    line, line_start = 1, 0
    at_line_start = True

    def newlines(a, b):
        nonlocal line, line_start
        k = text.count("\n", a, b)
        if k:
            line += k
            line_start = text.rfind("\n", a, b) + 1

    def add(kind, start, end):
        space = start == 0 or text[start - 1] in " \t\r\n"
        tok = Token(kind, text[start:end], start, line, start - line_start + 1, space)
        tok.dead = conditionals.dead()
        tokens.append(tok)
        newlines(start, end)
        return tok

    def skip_quoted(j, quote):
        # j is just past the opening quote; returns the offset past the closing one.
        while j < n and text[j] != quote and text[j] != "\n":
            j += 2 if text[j] == "\\" else 1
        return min(j + 1, n)

    while i < n:
        c = text[i]
        if c == "\n":
            newlines(i, i + 1)
            i += 1
            at_line_start = True
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
            continue
        if text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            newlines(i, j)
            i = j
            continue
        if c == "#" and at_line_start:
            j = i
            while True:
                k = text.find("\n", j)
                if k < 0:
                    k = n
                    break
                if text[k - 1] == "\\" or text.endswith("\\\r", 0, k):
                    j = k + 1
                    continue
                break
            tok = add("pp", i, k)
            conditionals.directive(tok.text)
            i = k
            continue
        at_line_start = False
        if c.isalpha() or c == "_" or ord(c) > 127:
            j = i
            while j < n and (text[j].isalnum() or text[j] == "_" or ord(text[j]) > 127):
                j += 1
            word = text[i:j]
            if j < n and text[j] == '"' and word in STRING_PREFIXES:
                if word.endswith("R"):
                    m = re.compile(r'"([^ ()\\\t\n]{0,16})\(').match(text, j)
                    if m:
                        close = text.find(")" + m.group(1) + '"', m.end())
                        j = n if close < 0 else close + len(m.group(1)) + 2
                    else:
                        j = skip_quoted(j + 1, '"')
                else:
                    j = skip_quoted(j + 1, '"')
                j = _suffix(text, j)
                add("str", i, j)
            elif j < n and text[j] == "'" and word in CHAR_PREFIXES:
                j = _suffix(text, skip_quoted(j + 1, "'"))
                add("chr", i, j)
            else:
                add("id", i, j)
            i = j
            continue
        if c == '"':
            j = _suffix(text, skip_quoted(i + 1, '"'))
            add("str", i, j)
            i = j
            continue
        if c == "'":
            j = _suffix(text, skip_quoted(i + 1, "'"))
            add("chr", i, j)
            i = j
            continue
        if c.isdigit() or (c == "." and i + 1 < n and text[i + 1].isdigit()):
            j = i + 1
            while j < n:
                d = text[j]
                if d in "+-" and text[j - 1] in "eEpP":
                    j += 1
                elif d.isalnum() or d in "._":
                    j += 1
                elif d == "'" and j + 1 < n and text[j + 1].isalnum():
                    j += 2
                else:
                    break
            add("num", i, j)
            i = j
            continue
        for p in PUNCTUATORS:
            if text.startswith(p, i):
                add("punct", i, i + len(p))
                i += len(p)
                break
        else:
            add("punct", i, i + 1)
            i += 1

    for t in tokens:
        end = t.start + len(t.text)
        t.space_after = end >= n or text[end] in " \t\r\n"
    return tokens


def _suffix(text, j):
    """Past a user-defined literal's suffix ("abc"sv), if any."""
    while j < len(text) and (text[j].isalnum() or text[j] == "_"):
        j += 1
    return j


@dataclass
class Site:
    """A place for a fault: the token at `start` is replaced by one of `options`."""

    path: str
    line: int
    col: int
    start: int
    original: str
    options: tuple
    kind: str

    @property
    def where(self):
        return f"{self.path}:{self.line}:{self.col}"


def _operand_end(tok):
    if tok is None:
        return False
    if tok.kind in ("num", "str", "chr"):
        return True
    if tok.kind == "id":
        return tok.text not in NOT_OPERAND
    return tok.text in (")", "]")


def _template_brackets(tokens):
    """Indices of `<` and `>` that are a template's brackets: a `<` right after
    a name (or after `template`) whose `>` closes before the expression ends."""
    brackets = set()
    for i, t in enumerate(tokens):
        if t.text != "<" or i == 0 or tokens[i - 1].kind != "id":
            continue
        if t.space_before and t.space_after and tokens[i - 1].text != "template":
            continue  # `a < b`: a comparison, as formatted
        depth, angle = 0, 1
        for j in range(i + 1, len(tokens)):
            x = tokens[j].text
            if x in ("(", "["):
                depth += 1
            elif x in (")", "]"):
                depth -= 1
                if depth < 0:
                    break
            elif x in (";", "{", "}", "&&", "||"):
                break
            elif x == "<" and depth == 0:
                angle += 1
            elif x in (">", ">>") and depth == 0:
                angle -= len(x)
                if angle <= 0:
                    brackets.update((i, j))
                    break
    return brackets


def sites(path, text):
    """Every site of one file, in order of position."""
    tokens = [t for t in tokenize(text) if t.kind != "pp"]
    templates = _template_brackets(tokens)
    found = []
    for i, t in enumerate(tokens):
        if t.dead:
            continue
        prev = tokens[i - 1] if i > 0 else None
        nxt = tokens[i + 1] if i + 1 < len(tokens) else None
        if prev is not None and prev.text == "operator":
            continue  # an overload's name
        options, kind = None, None
        if t.kind == "punct" and t.text in BINARY:
            if (
                t.space_before
                and t.space_after
                and i not in templates
                and _operand_end(prev)
                and nxt is not None
                and not (t.text in ("+", "+=") and "str" in (prev.kind, nxt.kind))
            ):
                options, kind = BINARY[t.text], KIND.get(t.text, "arithmetic")
        elif t.kind == "punct" and t.text in ("++", "--"):
            if _operand_end(prev) or (nxt is not None and nxt.kind == "id"):
                options, kind = ("--" if t.text == "++" else "++",), "arithmetic"
        elif t.kind == "punct" and t.text == "!" or t.kind == "id" and t.text == "not":
            if nxt is not None and not t.space_after or t.text == "not":
                options, kind = ("",), "negation"
        elif t.kind == "id" and t.text in ("true", "false"):
            options, kind = ("false" if t.text == "true" else "true",), "boolean"
        elif t.kind == "num":
            options, kind = _constant(t.text, prev, nxt, tokens, i), "constant"
        if options:
            found.append(Site(path, t.line, t.col, t.start, t.text, options, kind))
    return found


def _constant(text, prev, nxt, tokens, i):
    m = re.fullmatch(r"(0|[1-9][0-9]*)([uUlLzZ]*)", text)
    if not m:
        return None
    value, suffix = int(m.group(1)), m.group(2)
    if value > SMALL:
        return None
    # `= 0;` after a declaration's closing parenthesis: a pure virtual function.
    if value == 0 and prev is not None and prev.text == "=" and nxt is not None and nxt.text == ";":
        before = tokens[i - 2].text if i >= 2 else ""
        if before in (")", "const", "override", "noexcept"):
            return None
    if value == 0:
        return ("1" + suffix,)
    if value == 1:
        return ("0" + suffix, "2" + suffix)
    return (f"{value - 1}{suffix}", f"{value + 1}{suffix}")


@dataclass
class Mutant:
    site: Site
    mutated: str

    @property
    def id(self):
        return f"{self.site.where}:{self.site.original}->{self.mutated or '(dropped)'}"

    def apply(self, text):
        s = self.site
        if text[s.start : s.start + len(s.original)] != s.original:
            raise ValueError(f"{s.where}: the source is not what was scanned")
        return text[: s.start] + self.mutated + text[s.start + len(s.original) :]


def choose(all_sites, seed, count):
    """`count` mutants drawn from the sites: the same seed and the same sites
    give the same mutants, and a smaller count gives a prefix of a larger one."""
    order = list(range(len(all_sites)))
    random.Random(seed).shuffle(order)
    chosen = []
    for k in order[:count]:
        s = all_sites[k]
        pick = random.Random(f"{seed}:{s.where}:{s.original}").choice(s.options)
        chosen.append(Mutant(s, pick))
    return chosen
