#!/usr/bin/env python3
"""Writes the race comments from the race fact tables.

Reads tools/comments/race-facts-1950-2017.tsv and race-facts-2018-2025.tsv
(one row per race: number, date, event name, laps run, scheduled laps when
the race was shortened, and a "; "-separated list of facts), together with
the race records, and writes

  src/core/data/embedded/comments-1950-2017.txt   one comment per race 1..976
  examples/update-2018-2025.txt                   the update file with field 21 filled

Every sentence is built from the facts of the race and the fields of its
own record (winner, team, engine, circuit, venue); nothing else is added.
The output depends only on the inputs: phrasings are chosen by a checksum
of the race number, so running it again gives the same files.

Usage: python3 tools/comments/generate_comments.py
"""

import os
import re
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

FACTS_OLD = os.path.join(HERE, "race-facts-1950-2017.tsv")
FACTS_NEW = os.path.join(HERE, "race-facts-2018-2025.tsv")
UPDATE_IN = os.path.join(HERE, "update-2018-2025-nocomments.txt")
RACES = os.path.join(ROOT, "src", "core", "data", "embedded", "races-1950-2017.txt")
COMMENTS_OUT = os.path.join(ROOT, "src", "core", "data", "embedded", "comments-1950-2017.txt")
UPDATE_OUT = os.path.join(ROOT, "examples", "update-2018-2025.txt")

EMBEDDED_RACES = 976
EMBEDDED_WITH_COMMENT = 494      # the embedded comment table holds 494 texts
MAX_COMMENT = 889
SOFT_LENGTH = 250                # optional details are dropped beyond this


# ---------------------------------------------------------------- helpers

def pick(race, key, options):
    """Deterministic choice among phrasings, spread by race number."""
    h = zlib.crc32(("%d/%s" % (race, key)).encode("ascii"))
    return options[h % len(options)]


WORDS = ["zero", "one", "two", "three", "four", "five", "six", "seven",
         "eight", "nine", "ten"]
ORD_WORDS = ["zeroth", "first", "second", "third", "fourth", "fifth", "sixth",
             "seventh", "eighth", "ninth", "tenth"]


def num(n):
    return WORDS[n] if n <= 10 else str(n)


def ordinal(n):
    if n <= 10:
        return ORD_WORDS[n]
    if 10 <= n % 100 <= 20:
        suffix = "th"
    else:
        suffix = {1: "st", 2: "nd", 3: "rd"}.get(n % 10, "th")
    return "%d%s" % (n, suffix)


def poss(name):
    return name + "'s"


def team_poss_ok(team):
    return not (team.endswith(".") or team.endswith("s"))


def join_and(items):
    items = list(items)
    if len(items) <= 1:
        return "".join(items)
    return ", ".join(items[:-1]) + " and " + items[-1]


def cap(text):
    return text[:1].upper() + text[1:]


def circuit_place(circuit):
    place = re.sub(r" \((Old|New)\)$", "", circuit)
    if place in ("Nurburgring", "A1 Ring", "Osterreichring", "Hungaroring", "Avus"):
        place = "the " + place
    return place


def country_of(venue):
    """The venue as a country name for "at home in ...", or None."""
    if "(" in venue or venue in ("Europe", "Pacific", "San Marino", "Luxembourg"):
        return None
    if venue in ("United States", "Netherlands"):
        return "the " + venue
    return venue


# ---------------------------------------------------------------- input

def read_lines(path):
    with open(path, "rb") as f:
        data = f.read().decode("ascii")
    lines = data.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [line.rstrip("\r") for line in lines]


class Race:
    def __init__(self, number, record):
        fields = record.split("|")
        fields += [""] * (20 - len(fields))
        self.number = number
        self.date = fields[0]
        self.year = int(fields[0][6:10])
        self.venue = fields[1]
        self.circuit = fields[2]
        self.winner = fields[4]
        self.cowinners = [f for f in fields[5:7] if f]
        self.team = fields[7]
        self.engine = fields[8]
        self.indy = self.circuit == "Indianapolis" and self.year <= 1960
        self.facts = []
        self.laps = None
        self.scheduled = None
        self.event = ""


FACT_PATTERNS = [
    ("team_first", r"first win for the team (.+)"),
    ("engine_first", r"first win for (.+) engines"),
    ("driver_first", r"first win for (.+)"),
    ("driver_only", r"the only win of (.+)"),
    ("team_last", r"last of the (\d+) wins of the team (.+)"),
    ("driver_last", r"last of the (\d+) wins of (.+)"),
    ("team_nth", r"(\d+)(?:st|nd|rd|th) win for the team (.+)"),
    ("engine_nth", r"(\d+)(?:st|nd|rd|th) win for (.+) engines"),
    ("driver_nth", r"(\d+)(?:st|nd|rd|th) win for (.+)"),
    ("record", r"(.+) now holds the record for most wins \((\d+)\), passing (.+) \((\d+)\)"),
    ("youngest", r"youngest winner so far, aged (\d+)"),
    ("shared_win", r"shared win: (.+)"),
    ("shared_2", r"shared second place: (.+)"),
    ("shared_3", r"shared third place: (.+)"),
    ("podium", r"first podium for (.+)"),
    ("pole_win", r"won from pole position"),
    ("grid", r"won from (\d+)(?:st|nd|rd|th) on the grid"),
    ("pole", r"pole position: (.+)"),
    ("fastest", r"fastest lap: (.+)"),
    ("shortened", r"race shortened: (\d+) of (\d+) scheduled laps"),
    ("half", r"half points awarded"),
    ("title_d", r"(.+) made sure of the drivers' title at this race"),
    ("title_c", r"(.+) made sure of the constructors' title at this race"),
    ("home", r"home win for (.+)"),
    ("dsq", r"(.+) finished second on the road but was disqualified"),
    ("not_awarded", r"second place was not awarded, so the record lists the next classified finishers"),
]
FACT_PATTERNS = [(kind, re.compile(pattern + r"$")) for kind, pattern in FACT_PATTERNS]


def parse_fact(text):
    for kind, pattern in FACT_PATTERNS:
        m = pattern.match(text)
        if m:
            return kind, m.groups()
    raise ValueError("unknown fact: %r" % text)


def attach_facts(races, path, first_number):
    rows = read_lines(path)
    if rows[0].split("\t")[0] != "race":
        raise ValueError("%s: missing header" % path)
    rows = rows[1:]
    if len(rows) != len(races):
        raise ValueError("%s: %d rows for %d races" % (path, len(rows), len(races)))
    for i, row in enumerate(rows):
        cols = row.split("\t")
        if len(cols) != 6:
            raise ValueError("%s: row %d has %d columns" % (path, i + 2, len(cols)))
        race = races[i]
        if int(cols[0]) != first_number + i or cols[1] != race.date:
            raise ValueError("%s: row %d does not match race %d (%s)"
                             % (path, i + 2, first_number + i, race.date))
        race.event = cols[2]
        race.laps = int(cols[3])
        race.scheduled = int(cols[4]) if cols[4] else None
        for text in cols[5].split(";"):
            text = text.strip()
            if text:
                race.facts.append(parse_fact(text))


# ---------------------------------------------------------------- selection

def notability(race):
    """A score for how much a race deserves a comment; 0 for routine races."""
    score = 0.0
    weights = {
        "driver_first": 10, "driver_only": 10, "record": 12, "youngest": 8,
        "team_first": 9, "engine_first": 7, "title_d": 8, "title_c": 6,
        "half": 8, "shared_win": 9, "shared_2": 5, "shared_3": 5, "dsq": 8,
        "driver_nth": 5, "driver_last": 5, "team_nth": 5, "team_last": 5,
        "engine_nth": 5, "home": 4, "not_awarded": 0,
    }
    for kind, args in race.facts:
        if kind in weights:
            score += weights[kind]
        elif kind == "shortened":
            laps, scheduled = int(args[0]), int(args[1])
            score += 6 if laps * 4 < scheduled * 3 else 4
        elif kind == "grid":
            score += min(5, int(args[0]) - 4)
        elif kind == "podium":
            score += 0.1
    return score


def has_substance(race):
    return any(kind not in ("podium", "pole", "pole_win", "fastest") for kind, _ in race.facts)


# ---------------------------------------------------------------- wording

class Writer:
    """Builds the comment of one race from its facts.

    A comment is at most three sentences: the win itself (the winner's
    milestone, the team's and engine maker's, how the win came about), then
    the rest of the day (records, shortened distance, shared cars, titles,
    first podiums)."""

    def __init__(self, race, later_winners):
        self.r = race
        self.n = race.number
        self.later_winners = later_winners
        self.f = {}
        for kind, args in race.facts:
            self.f.setdefault(kind, []).append(args)
        self.named = False

    def has(self, kind):
        return kind in self.f

    def one(self, kind):
        return self.f[kind][0]

    def choose(self, key, options):
        return pick(self.n, key, [o for o in options if o is not None])

    def he(self):
        """The winner as subject: his name the first time, "he" after that."""
        if self.named:
            return "he"
        self.named = True
        return self.r.winner

    def car(self):
        """The winner's car, for sentences about an engine maker."""
        team = self.r.team
        if self.r.indy or team == self.r.engine:
            return ""
        if " " in team:
            return ", driving for %s" % team
        return ", in %s %s" % ("an" if team[0] in "AEIOU" else "a", team)

    # -- the win itself ---------------------------------------------------

    def has_driver_lead(self):
        return any(self.has(k) for k in ("driver_only", "driver_first", "driver_last", "driver_nth"))

    def has_team_lead(self):
        return any(self.has(k) for k in ("team_first", "engine_first", "team_nth", "engine_nth", "team_last"))

    def driver_lead(self, plain):
        """A phrase about the winner's own career: (text, form) or None.

        form is "np" for a noun phrase ("Jim Clark's first win"), "cl" for a
        clause with the winner as subject ("Jim Clark won for the first time")
        and "cls" for another clause ("Jim Clark's 20th win came at Monza").
        plain is true when no detail follows the phrase."""
        r, W = self.r, self.r.winner
        gp = not r.indy
        wc = "World Championship " if r.indy else ""
        last = self.f.get("driver_last")
        nth = self.f.get("driver_nth")
        if self.has("driver_only"):
            return self.choose("only", [
                ("%s only %swin" % (poss(W), wc), "np"),
                ("the only %swin of %s career" % (wc, poss(W)), "np"),
                ("a first and only %swin for %s" % (wc, W), "np"),
                ("%s one and only Grand Prix win" % poss(W), "np") if gp else None,
                ("%s scored his only win" % W, "cl"),
                ("%s took the only %swin of his career" % (W, wc), "cl"),
                ("%s won the Indianapolis 500, his only World Championship win" % W, "cl")
                if r.indy else None,
            ])
        if self.has("driver_first"):
            return self.choose("first", [
                ("%s first %swin" % (poss(W), wc), "np"),
                ("a maiden %swin for %s" % (wc, W), "np"),
                ("the first win of %s career" % poss(W), "np"),
                ("%s first Grand Prix win" % poss(W), "np") if gp else None,
                ("%s won for the first time" % W, "cl"),
                ("%s took his first %swin" % (W, wc), "cl"),
                ("%s scored his maiden win" % W, "cl"),
            ])
        if last:
            total = int(last[0][0])
            return self.choose("last", [
                ("%s %s and last win" % (poss(W), ordinal(total)), "np"),
                ("the last of %s %s wins" % (poss(W), num(total)), "np"),
                ("%s %s and final win" % (poss(W), ordinal(total)), "np"),
                ("%s won for the %s and last time" % (W, ordinal(total)), "cl"),
                ("%s took the last of his %s wins" % (W, num(total)), "cl"),
            ])
        if nth:
            k = int(nth[0][0])
            return self.choose("nth", [
                ("%s %s win" % (poss(W), ordinal(k)), "np"),
                ("win number %d for %s" % (k, W), "np"),
                ("the %s win of %s career" % (ordinal(k), poss(W)), "np"),
                ("%s won for the %s time" % (W, ordinal(k)), "cl"),
                ("%s reached %s wins" % (W, num(k)), "cl") if plain else None,
                ("%s %s win came at %s" % (poss(W), ordinal(k), circuit_place(r.circuit)), "cls"),
            ])
        return None

    def team_bits(self):
        """Noun phrases about team and engine milestones ("the first for Lotus")."""
        r = self.r
        bits = []
        entrant = "entrant " if r.indy else ""
        tf = self.f.get("team_first")
        ef = self.f.get("engine_first")
        if tf and ef:
            T, E = tf[0][0], ef[0][0]
            bits.append(self.choose("tfef", [
                "the first for both %s%s and %s engines" % (entrant, T, E),
                "the first for %s%s and for %s engines" % (entrant, T, E),
            ]))
        elif tf:
            T = tf[0][0]
            ok = not r.indy and team_poss_ok(T)
            bits.append(self.choose("tf", [
                "the first for %s%s" % (entrant, T),
                "the first for the %s team" % T if ok else None,
                "%s first" % poss(T) if ok else None,
                "a first win for %s%s" % (entrant, T),
            ]))
        elif ef:
            E = ef[0][0]
            bits.append(self.choose("ef", [
                "the first for %s engines" % E,
                "the first with %s power" % E,
            ]))
        for k, T in self.f.get("team_nth", []):
            k = int(k)
            bits.append(self.choose("tn", [
                "the %s for %s" % (ordinal(k), T),
                "%s %s" % (poss(T), ordinal(k)) if team_poss_ok(T) else None,
                "win number %d for %s" % (k, T),
            ]))
        for k, E in self.f.get("engine_nth", []):
            k = int(k)
            bits.append(self.choose("en", [
                "the %s for %s engines" % (ordinal(k), E),
                "the %s win with %s power" % (ordinal(k), E),
            ]))
        for k, T in self.f.get("team_last", []):
            k = int(k)
            bits.append(self.choose("tl", [
                "the last of %s wins for %s%s" % (num(k), entrant, T),
                "the %s and last for %s%s" % (ordinal(k), entrant, T),
                "%s last win, its %s" % (poss(T), ordinal(k)) if team_poss_ok(T) and not r.indy else None,
            ]))
        return bits

    def team_lead(self):
        """A clause naming the winner when only team or engine facts exist:
        (text, form) as for driver_lead; it stands for the first team bit."""
        r, W = self.r, self.r.winner
        entrant = "entrant " if r.indy else ""
        if self.has("team_first"):
            T = self.one("team_first")[0]
            if self.has("engine_first"):
                E = self.one("engine_first")[0]
                return self.choose("tflead", [
                    ("%s gave both %s%s and %s engines their first win" % (W, entrant, T, E), "cl"),
                    ("the first win for %s%s, and for %s engines, went to %s" % (entrant, T, E, W), "cls"),
                ])
            return self.choose("tlead", [
                ("%s gave %s%s its first win" % (W, entrant, T), "cl"),
                ("%s won for the first time, with %s driving" % (T, W), "cls") if not r.indy else None,
                ("the first win for %s%s went to %s" % (entrant, T, W), "cls"),
                ("%s scored the first win for %s%s" % (W, entrant, T), "cl"),
            ])
        if self.has("engine_first"):
            E = self.one("engine_first")[0]
            return self.choose("elead", [
                ("%s gave %s engines their first win%s" % (W, E, self.car()), "cl"),
                ("the first win for %s engines went to %s%s" % (E, W, self.car()), "cls"),
            ])
        if self.has("team_nth"):
            k, T = self.one("team_nth")
            k = int(k)
            return self.choose("tnlead", [
                ("%s gave %s its %s win" % (W, T, ordinal(k)), "cl"),
                ("%s brought up win number %d for %s" % (W, k, T), "cl"),
                ("%s %s win went to %s" % (poss(T), ordinal(k), W), "cls") if team_poss_ok(T) else None,
            ])
        if self.has("engine_nth"):
            k, E = self.one("engine_nth")
            k = int(k)
            return self.choose("enlead", [
                ("%s gave %s engines their %s win%s" % (W, E, ordinal(k), self.car()), "cl"),
                ("%s engines reached %s wins with %s%s" % (E, num(k), W, self.car()), "cls"),
            ])
        k, T = self.one("team_last")
        k = int(k)
        return self.choose("tllead", [
            ("%s gave %s%s the last of its %s wins" % (W, entrant, T, num(k)), "cl"),
            ("%s last win, its %s, went to %s" % (poss(T), ordinal(k), W), "cls")
            if team_poss_ok(T) and not r.indy else None,
            ("the last of %s wins for %s%s went to %s" % (num(k), entrant, T, W), "cls"),
        ])

    # -- details of the winner's day -------------------------------------

    def hat_trick(self):
        """True when the winner started from pole and set the fastest lap."""
        fl = self.f.get("fastest")
        return (self.has("pole_win") and fl is not None
                and fl[0][0] in [self.r.winner] + self.r.cowinners)

    def details(self, with_lead):
        """Phrases about how the win came about, as (kind, phrase, clause):
        the phrase follows the lead or "<winner> won", the clause stands
        after "he" in a sentence of its own."""
        r = self.r
        out = []
        if self.has("home"):
            country = country_of(r.venue)
            phrase = self.choose("home", [
                "at home in %s" % country if country else None,
                "on home soil",
                "in front of his home crowd",
                "before his home fans",
                "on home ground" if with_lead else None,
                "his home Grand Prix" if not with_lead and country else None,
            ])
            out.append(("home", phrase, "won " + phrase))
        if self.has("shared_win"):
            names = self.one("shared_win")[0].split(" / ")
            others = join_and(n for n in names if n != r.winner)
            out.append(("shared", self.choose("sharedw", [
                "in a car shared with %s" % others,
                "sharing the drive with %s" % others,
            ]), "shared the car with %s" % others))
        if self.has("grid"):
            g = ordinal(int(self.one("grid")[0]))
            out.append(("grid", self.choose("grid", [
                "from %s on the grid" % g,
                "after starting %s" % g,
                "from %s place on the grid" % g,
            ]), self.choose("gridcl", [
                "had started %s on the grid" % g,
                "started from %s on the grid" % g,
            ])))
        if self.has("youngest"):
            age = self.one("youngest")[0]
            out.append(("young", self.choose("young", [
                "at %s the youngest winner so far" % age,
                "aged %s and the youngest winner yet" % age,
                "the youngest winner to date at %s" % age,
            ]), "was, at %s, the youngest winner so far" % age))
        return out

    def pole_phrase(self):
        if self.hat_trick():
            return self.choose("hat", [
                "from pole position and with the fastest lap",
                "from pole and with the fastest lap",
                "from pole position, also setting the fastest lap",
            ])
        if self.has("pole_win"):
            return self.choose("pole", ["from pole position", "from pole"])
        return None

    # -- the rest of the day ----------------------------------------------

    def record_item(self, attached, main=""):
        who, k, prev, pk = self.one("record")
        if who != self.r.winner:
            return "%s now held the record for most wins (%s), passing %s (%s)" % (who, k, prev, pk)
        if attached and (self.has("driver_nth") or self.has("driver_last")):
            # The lead already gives the number of wins.
            return self.choose("recordatt", [
                "taking the record for most wins from %s (%s)" % (prev, pk) if " took " not in main else None,
                "which put him ahead of %s %s as the driver with the most wins" % (poss(prev), pk),
            ])
        if attached:
            return self.choose("recordatt", [
                "which gave him the record for most wins, %s against %s %s" % (k, poss(prev), pk),
                "and with %s wins he passed %s %s to hold the record" % (k, poss(prev), pk),
                "taking the record for most wins from %s (%s)" % (prev, pk),
            ])
        self.named = True
        return self.choose("record", [
            "%s took the record for most wins, passing %s (%s) with %s" % (who, prev, pk, k),
            "with his %s win %s passed %s %s to hold the record" % (ordinal(int(k)), who, poss(prev), pk),
            "%s became the driver with the most wins, %s, passing %s (%s)" % (who, k, prev, pk),
        ])

    def shortened_item(self, first):
        laps, sched = (int(x) for x in self.one("shortened"))
        W = self.r.winner
        if first:
            self.named = True
            opts = []
            if sched - laps == 1:
                opts = ["%s won over %d laps, one fewer than the %d scheduled" % (W, laps, sched),
                        "%s won over a distance cut by one lap, to %d of the scheduled %d" % (W, laps, sched),
                        "%s won a Grand Prix shortened by one lap, to %d of %d laps" % (W, laps, sched)
                        if not self.r.indy else None]
            elif laps == 1:
                opts = ["%s won with just one of the %d scheduled laps run" % (W, sched)]
            elif laps * 2 < sched:
                opts = ["%s won after just %s of the %d scheduled laps" % (W, num(laps), sched),
                        "%s won a race cut short after %s of the %d scheduled laps" % (W, num(laps), sched)]
            else:
                opts = ["%s won a race cut short after %d of the %d scheduled laps" % (W, laps, sched),
                        "%s won over a distance cut to %d of the scheduled %d laps" % (W, laps, sched)]
        elif sched - laps == 1:
            opts = ["the distance was cut by one lap, to %d of the scheduled %d" % (laps, sched),
                    "the race ran %d laps, one fewer than scheduled" % laps,
                    "the distance was one lap short of the scheduled %d" % sched]
        elif laps == 1:
            opts = ["only one of the %d scheduled laps was run" % sched,
                    "just one lap of the scheduled %d was run" % sched]
        else:
            opts = ["the race ended after %d of the %d scheduled laps" % (laps, sched),
                    "only %d of the %d scheduled laps were run" % (laps, sched),
                    "the distance was cut to %d of the scheduled %d laps" % (laps, sched),
                    "the Indianapolis 500 ended after %d of its %d laps" % (laps, sched)
                    if self.r.indy else
                    "the Grand Prix was cut short after %d of %d laps" % (laps, sched)]
        text = self.choose("short", opts)
        if self.has("half"):
            text += self.choose("half", [", and half points were awarded",
                                         ", so only half points were awarded",
                                         "; half points were awarded"])
        return text

    def shared_names(self):
        names = []
        for kind in ("shared_2", "shared_3"):
            for args in self.f.get(kind, []):
                names += args[0].split(" / ")
        return names

    def shared_places_item(self, first):
        s2 = self.f.get("shared_2")
        s3 = self.f.get("shared_3")
        n2 = join_and(s2[0][0].split(" / ")) if s2 else None
        n3 = join_and(s3[0][0].split(" / ")) if s3 else None
        if n2 and n3:
            text = self.choose("sh23", [
                "%s shared second place, %s third" % (n2, n3),
                "second place went to %s in a shared car, third to %s" % (n2, n3),
            ])
        else:
            names, place = (n2, "second") if n2 else (n3, "third")
            text = self.choose("sh", [
                "%s shared the %s-placed car" % (names, place),
                "%s shared %s place" % (names, place),
                "%s place went to %s, who shared a car" % (place, names),
            ])
        if first:
            self.named = True
            text = self.choose("shfirst", ["%s won; %s", "%s won, and %s", "%s won, while %s"]) % (
                self.r.winner, text)
        return text

    def titles(self):
        d = self.f.get("title_d")
        c = self.f.get("title_c")
        return (d[0][0] if d else None), (c[0][0] if c else None)

    def title_attachment(self, form, plain):
        """The title phrase that follows the main sentence when the winner
        made sure of the drivers' title; None otherwise."""
        D, C = self.titles()
        if D != self.r.winner:
            return None
        if C == self.r.team:
            rest = " and %s of the constructors'" % C
        elif C:
            rest = ", while the constructors' title went to %s" % C
        else:
            rest = ""
        if form == "cl" and plain:
            return self.choose("tatt", [" and made sure of the drivers' title",
                                        " and sealed the drivers' title"]) + rest
        if form == "np":
            return self.choose("tatt2", [
                ", which made sure of the drivers' title for him",
                "; with it he sealed the drivers' title",
                ", and with it the drivers' title" if not rest else None]) + rest
        return self.choose("tatt3", [
            ", and with it he made sure of the drivers' title",
            "; with it he sealed the drivers' title",
            ", and the win made him champion" if not rest else None]) + rest

    def title_item(self, first):
        """The titles settled here when the winner's own title was not
        attached to the main sentence."""
        r, W = self.r, self.r.winner
        D, C = self.titles()
        if first:
            self.named = True
            if D == W:
                if C == r.team:
                    return self.choose("tf1", [
                        "%s won and made sure of the drivers' title, %s of the constructors'" % (W, C),
                        "victory made sure of both titles, the drivers' for %s and the constructors' for %s" % (W, C),
                    ])
                if C:
                    return ("%s won and made sure of the drivers' title, while the constructors' title "
                            "went to %s" % (W, C))
                return self.choose("tf2", [
                    "%s won and made sure of the drivers' title" % W,
                    "%s sealed the drivers' title with victory" % W,
                    "victory made %s champion" % W,
                ])
            if D and C:
                return self.choose("tf3", [
                    "%s won, while the drivers' title went to %s and the constructors' title to %s" % (W, D, C),
                    "%s won as %s made sure of the drivers' title and %s of the constructors'" % (W, D, C),
                    "both titles were settled as %s won: the drivers' for %s, the constructors' for %s" % (W, D, C),
                ])
            if D:
                return self.choose("tf4", [
                    "%s won, and %s was confirmed as champion" % (W, D),
                    "%s made sure of the drivers' title as %s won" % (D, W),
                    "%s won, but the drivers' title was settled in favour of %s" % (W, D),
                ])
            if C == r.team:
                return self.choose("tf5", [
                    "%s win secured the constructors' title for %s" % (poss(W), C),
                    "%s won to seal the constructors' title for %s" % (W, C),
                    "%s won and %s made sure of the constructors' title" % (W, C),
                ])
            return self.choose("tf6", [
                "%s won for %s, but the constructors' title went to %s" % (W, r.team, C),
                "%s made sure of the constructors' title as %s won" % (C, W),
            ])
        if D and D == W:
            # Only reached when the main sentence could not take it.
            him = self.he()
            if C == r.team:
                return "%s made sure of the drivers' title and %s of the constructors'" % (him, C)
            if C:
                return "%s made sure of the drivers' title, and the constructors' title went to %s" % (him, C)
            if him == "he":
                return self.choose("tdw", ["he made sure of the drivers' title",
                                           "the win made him champion",
                                           "with it he sealed the drivers' title"])
            return "%s made sure of the drivers' title" % him
        if D and C:
            return self.choose("both", [
                "%s made sure of the drivers' title and %s of the constructors'" % (D, C),
                "both titles were settled: the drivers' for %s, the constructors' for %s" % (D, C),
                "the drivers' title went to %s and the constructors' title to %s" % (D, C),
            ])
        if D:
            return self.choose("td", [
                "%s made sure of the drivers' title" % D,
                "%s was confirmed as champion" % D,
                "the drivers' title was settled in favour of %s" % D,
            ])
        if C == r.team:
            return self.choose("tc", [
                "%s made sure of the constructors' title" % C,
                "the win secured the constructors' title for %s" % C,
                "%s sealed the constructors' title" % C,
            ])
        return self.choose("tc", [
            "%s made sure of the constructors' title" % C,
            "the constructors' title went to %s" % C,
            "%s secured the constructors' title" % C,
        ])

    def podium_item(self, first):
        shared = self.shared_names()
        names = [a[0] for a in self.f.get("podium", [])
                 if a[0] in self.later_winners and a[0] not in shared]
        if not names or len(names) > 2:
            return None
        if first:
            self.named = True
            lead = self.r.winner + self.choose("podfirst", [" won, and ", " won; "])
            if len(names) == 1:
                return lead + self.choose("pod1", ["%s took his first podium",
                                                   "%s finished on the podium for the first time"]) % names[0]
            return lead + "%s both took their first podium" % join_and(names)
        if len(names) == 1:
            P = names[0]
            return self.choose("pod", [
                "%s took his first podium" % P,
                "a first podium for %s" % P,
                "%s finished on the podium for the first time" % P,
            ])
        return self.choose("pod", [
            "first podiums for %s" % join_and(names),
            "%s both took their first podium" % join_and(names),
        ])

    def dsq_item(self):
        who = self.one("dsq")[0]
        return ("%s finished second on the road but was disqualified, and second place "
                "was not awarded; the next two classified finishers are listed in its place" % who)

    # -- assembly ----------------------------------------------------------

    def compose(self, budget=True):
        r, W = self.r, self.r.winner
        self.named = False
        with_lead = self.has_driver_lead() or self.has_team_lead()
        details = self.details(with_lead)
        items = []

        main, form = None, None
        bits = self.team_bits()
        pole = None
        if budget and self.has_driver_lead() and not details and pick(self.n, "usepole", [1, 1, 0]):
            pole = self.pole_phrase()
        if self.has_driver_lead():
            main, form = self.driver_lead(plain=not details and not pole)
        elif bits:
            main, form = self.team_lead()
            bits = bits[1:]
        if main is not None:
            self.named = True
            if bits:
                if form == "np":
                    main += ", and " + bits[0]
                else:
                    main += ", also " + bits[0]
                if len(bits) > 1:
                    items.append("it was also " + join_and(bits[1:]))
            plain = not bits
            if details:
                plain = False
                main += ", " + details[0][1]
                rest = details[1:]
                if rest and rest[0][0] == "home":
                    main += " and " + rest[0][1]
                    rest = rest[1:]
                for _, _, clause in rest:
                    items.append("he " + clause)
            elif pole:
                main += ", " + pole
                plain = False
        elif details:
            self.named = True
            place = circuit_place(r.circuit)
            first_kind, first_phrase = details[0][0], details[0][1]
            main = "%s won %s" % (W, first_phrase)
            if first_kind == "home" and not first_phrase.startswith("at ") and pick(self.n, "homeat", [1, 0]):
                main += " at " + place
            elif first_kind == "grid" and pick(self.n, "gridat", [1, 0, 0]):
                main = "%s won at %s %s" % (W, place, first_phrase)
            if budget and len(details) == 1 and first_kind == "home" and pick(self.n, "homepole", [1, 0]):
                pole = self.pole_phrase()
                if pole:
                    main += ", " + pole
            rest = details[1:]
            if rest:
                main += (" " if details[0][0] == "home" else ", ") + rest[0][1]
                rest = rest[1:]
            for _, _, clause in rest:
                items.append("he " + clause)
            form = "cl"
            plain = False

        title_done = False
        if main is not None:
            attachment = self.title_attachment(form, plain)
            if attachment:
                main += attachment
                title_done = True
        if self.has("record"):
            if main is None:
                main = self.record_item(attached=False)
            elif len(main) < 110:
                main += ", " + self.record_item(attached=True, main=main)
            else:
                items.insert(0, self.record_item(attached=False))
        if r.number == 1:
            main = "the first World Championship race: " + main

        if self.has("dsq"):
            items.append(self.dsq_item())
        if self.has("shortened"):
            items.append(self.shortened_item(first=main is None and not items))
        elif self.has("half"):
            items.append("half points were awarded")
        if self.has("shared_2") or self.has("shared_3"):
            items.append(self.shared_places_item(first=main is None and not items))
        if (self.has("title_d") or self.has("title_c")) and not title_done:
            items.append(self.title_item(first=main is None and not items))
        if budget:
            podium = self.podium_item(first=main is None and not items)
            if podium:
                items.append(podium)

        sentences = []
        if main is not None:
            sentences.append(main)
        elif items:
            sentences.append(items.pop(0))
        if items:
            second = items[0]
            if len(items) > 1:
                second += self.choose("join", ["; ", "; ", ", and "]) + items[1]
            sentences.append(second)
            if len(items) > 2:
                sentences.append("; ".join(items[2:]))
        return " ".join(cap(s) + ("" if s.endswith(".") else ".") for s in sentences)

    def comment(self):
        text = self.compose(budget=True)
        if len(text) > SOFT_LENGTH:
            text = self.compose(budget=False)
        return text


# ---------------------------------------------------------------- checks

def check_comment(number, text):
    if "|" in text:
        raise ValueError("race %d: comment holds '|'" % number)
    if any(not (32 <= ord(ch) < 127) for ch in text):
        raise ValueError("race %d: comment holds a character outside printable ASCII" % number)
    if len(text) > MAX_COMMENT:
        raise ValueError("race %d: comment longer than %d characters" % (number, MAX_COMMENT))


def write_crlf(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("ascii")
    tmp = path + ".tmp"
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


# ---------------------------------------------------------------- main

def main():
    race_lines = read_lines(RACES)
    if len(race_lines) != EMBEDDED_RACES:
        raise ValueError("%s: expected %d races, found %d" % (RACES, EMBEDDED_RACES, len(race_lines)))
    old = [Race(i + 1, line) for i, line in enumerate(race_lines)]

    update = read_lines(UPDATE_IN)
    stars = update.index("***")
    update_races = update[:stars]
    for line in update_races:
        if line.count("|") != 20 or not line.endswith("|"):
            raise ValueError("update race line without an empty 21st field: %r" % line)
    new = [Race(EMBEDDED_RACES + 1 + i, line[:-1]) for i, line in enumerate(update_races)]

    attach_facts(old, FACTS_OLD, 1)
    attach_facts(new, FACTS_NEW, EMBEDDED_RACES + 1)

    winners = set()
    for race in old + new:
        winners.add(race.winner)
        winners.update(race.cowinners)

    # The embedded table comments the most notable races: sort by score,
    # ties by race number, and keep the fixed number the table holds.
    ranked = sorted((r for r in old if has_substance(r)), key=lambda r: (-notability(r), r.number))
    chosen = {r.number for r in ranked[:EMBEDDED_WITH_COMMENT]}
    if len(chosen) != EMBEDDED_WITH_COMMENT:
        raise ValueError("only %d races qualify for a comment" % len(chosen))

    comments = []
    for race in old:
        text = Writer(race, winners).comment() if race.number in chosen else ""
        check_comment(race.number, text)
        comments.append(text)

    new_comments = []
    for race in new:
        # No fixed count here: every race with more than routine facts, and
        # those where a future winner stood on the podium for the first time.
        worthy = has_substance(race) or any(
            kind == "podium" and args[0] in winners for kind, args in race.facts)
        text = Writer(race, winners).comment() if worthy else ""
        check_comment(race.number, text)
        new_comments.append(text)

    write_crlf(COMMENTS_OUT, comments)
    out = [line + text for line, text in zip(update_races, new_comments)] + update[stars:]
    write_crlf(UPDATE_OUT, out)

    print("%s: %d races, %d with a comment" % (os.path.relpath(COMMENTS_OUT, ROOT), len(comments),
                                               sum(1 for c in comments if c)))
    print("%s: %d races, %d with a comment" % (os.path.relpath(UPDATE_OUT, ROOT), len(new_comments),
                                               sum(1 for c in new_comments if c)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
