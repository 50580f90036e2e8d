#!/usr/bin/env python3
"""Writes the reference documents under tests/data/ from the document's own
tables, independently of the C++ code they check:

  config/default.json       the document of the factory-default record
  config_read/<case>/       small documents with the flags and the trace
                            lines the reader must give for them

Run it from anywhere: python3 tests/data/make_config_documents.py
"""
import json
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# A member is (key, kind, value). Kinds: str, enum, int, num, hex, ahex (list
# of numbers), obj (list of members), master (obj that may be absent), arr
# (list of elements, each a list of members).
def S(k, v): return (k, "str", v)
def E(k, v): return (k, "enum", v)
def I(k, v): return (k, "int", v)
def R(k, v): return (k, "num", v)
def H(k, v): return (k, "hex", v)
def M(k, *v): return (k, "ahex", list(v) if v else [0])
def O(k, *members): return (k, "obj", list(members))
def MS(k, *members): return (k, "master", list(members))
def A(k, elements): return (k, "arr", elements)

ZONES = [  # lower LIM, lower TREC, upper LIM, upper TREC, COLOR
    (0.0, "Disable", 20.0, "Enable", 0x0000FF),
    (20.0, "Enable", 40.0, "Enable", 0x00FFFF),
    (40.0, "Enable", 60.0, "Enable", 0x00FF00),
    (60.0, "Enable", 80.0, "Enable", 0xFFA500),
    (80.0, "Enable", 0.0, "Disable", 0xFF0000),
]

def event():
    zones = []
    for lo, lot, hi, hit, color in ZONES:
        zones.append([
            S("NAME", ""), I("DELAY", 0), H("COLOR", color),
            A("LEVEL", [
                [R("LIM", lo), S("MSG", ""), E("TREC", lot), M("FORM")],
                [R("LIM", hi), S("MSG", ""), E("TREC", hit), M("FORM")],
            ]),
            M("ALMDO"), M("RSTOI"), E("TRIG", "Disable"),
        ])
    return [I("NUM", 0), A("ZONE", zones)]

def operands(key):
    return A(key, [[E("TYPE", "Const"), I("NO", 0), R("CONST", 0.0)] for _ in range(8)])

def di_state(disp, color):
    return [S("DISP", disp), I("DELAY", 0), H("COLOR", color), M("ALMDO"), M("RSTOI"),
            E("TRIG", "Disable"), S("MSG", ""), E("TREC", "Enable"), M("FORM")]

def default_document():
    return [
        A("C", [[E("MODE", "Disable"), E("PROTOCOL", "MODBUSTCP"), S("IP", ""), I("PORT", 502),
                 I("PERIOD", 50), I("TIMEOUT", 1), M("ALMDO")] for _ in range(2)]),
        A("AI", [[S("NAME", "AI%d" % (i + 1)), S("COMMENT", "AI%d" % (i + 1)),
                  E("REG", "Ai" if i < 2 else "None"), I("CHNO", i if i < 2 else 0),
                  E("TYPE", "Percent"),
                  O("SCALE", R("ZERO", 0.0), R("SPAN", 100.0), R("GAIN", 0.01)),
                  I("PLACE", 2), S("UNIT", "%")] for i in range(4)]),
        A("DI", [[S("NAME", "DI%d" % (i + 1)), S("COMMENT", "DI%d" % (i + 1)),
                  E("REG", "Di" if i == 0 else "None"), I("CHNO", 0), E("INVERT", "Disable")]
                 for i in range(2)]),
        A("OI", [[S("NAME", "OI%d" % (i + 1)), S("COMMENT", "OI%d" % (i + 1)), I("PLACE", 2),
                  S("UNIT", "%"), E("TYPE", "None"),
                  O("PARAM", operands("X"), operands("K"), operands("A"))] for i in range(4)]),
        A("DO", [[S("NAME", "DO%d" % (i + 1)), S("COMMENT", "DO%d" % (i + 1)),
                  E("REG", "Do" if i == 0 else "None"), I("CHNO", 0), E("INVERT", "Disable")]
                 for i in range(2)]),
        O("ALARM",
          A("AI", [event() for _ in range(4)]),
          A("DI", [[A("ZONE", [di_state("OFF", 0x808080), di_state("ON", 0x00FF00)])]
                   for _ in range(2)]),
          A("OI", [event() for _ in range(4)]),
          A("DO", [[A("ZONE", [[S("DISP", "OFF"), H("COLOR", 0x808080)],
                               [S("DISP", "ON"), H("COLOR", 0x00FF00)]])] for _ in range(2)])),
        O("MODBUS",
          A("C", [[E("TYPE", "FIX"), I("NODE", 1)] for _ in range(2)]),
          A("AI", [[I("NODE", 1), I("TYPE", 4), I("NO", i)] for i in range(4)]),
          A("DI", [[I("NODE", 1), I("TYPE", 2), I("NO", i)] for i in range(2)]),
          A("DO", [[I("NODE", 1), I("TYPE", 15), I("NO", i)] for i in range(2)])),
        O("SLMP",
          A("C", [[E("TYPE", "16"), H("NETWORK", 0), H("STATION", 0xFF), H("CPU", 0x3FF)]
                  for _ in range(2)]),
          A("AI", [[H("NO", i), H("CODE", 0xA8), H("COMMAND", 0x0403), H("SUB", 0)] for i in range(4)]),
          A("DI", [[H("NO", i), H("CODE", 0x90), H("COMMAND", 0x0403), H("SUB", 0)] for i in range(2)]),
          A("DO", [[H("NO", i), H("CODE", 0x90), H("COMMAND", 0x1402), H("SUB", 1)] for i in range(2)])),
        O("TREND", E("ASTART", "Stop"), E("SPEED", "100ms"), E("ADEL", "Enable"), E("RECENC", "TRD"),
          O("NORMAL", E("MODE", "Samples"), I("SAMPLES", 2000), E("TRANS", "10m"), I("HOUR", 0),
            I("WEEK", 0)),
          O("TRIG", E("MODE", "Level"), I("PRE", 100), I("PST", 100))),
        O("LOG", O("LOG", E("SYS", "Enable"), E("EVE", "Enable"), E("COM", "Enable")),
          E("ENCODE", "UTF8")),
        A("CMT", [[S("MSG", ""), H("COLOR", 0)] for _ in range(2)]),
        A("PEN", [[E("CH_TYPE", "AI"), I("CH_NO", p), H("COLOR", c),
                   O("RANGE", R("UPPER", 100.0), R("LOWER", 0.0))]
                  for p, c in enumerate([0xFF0000, 0x0000FF, 0x00FF00, 0x00FFFF])]),
        MS("SNTP", E("MODE", "Enable"), S("SERVER", "pool.ntp.org"),
           O("EXECTIME", I("HOUR", 0), I("MIN", 0))),
        MS("WEB", E("MODE", "Enable"), I("PORT", 80),
           O("ADMIN", S("LOGIN", "qorel"), S("PASSWORD", "qorel"))),
        MS("MODTD", E("MODE", "Enable"), I("PORT", 502), I("LINGER", 180)),
        MS("SMTP", E("MODE", "Disable"), S("SERVER", ""), S("LOGIN", ""), S("PASSWORD", ""),
           I("PORT", 465), E("OVERSSL", "Enable"), E("STARTTLS", "Disable"), M("ALMDO")),
        MS("MAIL",
           A("A", [[S("NAME", ""), S("ADDR", "")] for _ in range(8)]),
           A("F", [[S("BODY", ""), S("SUBJECT", ""), M("A"),
                    O("ADDINF", E("FACTOR", "Disable"), M("AI"), M("DI"), M("OI"), M("DO"))]
                   for _ in range(4)]),
           O("REG", O("EXECTIME", H("DAY", 0), H("WEEK", 0), H("HOUR", 0), H("MIN", 0), I("OFFSET", 0)),
             M("FORM"))),
        O("FTPD", E("MODE", "Disable"), I("PORT", 21), S("LOGIN", "qorel"), S("PASSWORD", "qorel")),
        MS("FTPC", E("MODE", "Disable"),
           O("ACC", E("EXPLICIT", "Disable"), S("SERVER", ""), I("PORT", 21), S("LOGIN", ""),
             S("PASSWORD", ""), E("PASV", "Enable"), S("SUBDIR", ""), M("ALMDO"))),
        O("DISP",
          O("AUTOSTART", E("WAKEUP", "TREND"), E("TYPE", "AI"), I("CH", 0)),
          I("SCREENSAVER", 0), E("LANGUAGE", "JAPANESE"), E("BLIGHT", "5"),
          O("FLICKER", M("AI", 0, 0, 0, 0), M("DI", 0, 0), M("OI", 0, 0, 0, 0)),
          O("AUTOSCREEN", E("MODE", "Disable"), I("START", 180), I("INTERVAL", 180),
            O("PAGE", M("TREND", 3), M("EVENT"), M("COMMENT"), M("OVERVIEW"), M("AI"), M("DI"),
              M("OI"), M("DO"), M("LOGEVE"), M("LOGSYS"), M("LOGCOM")))),
    ]

# ---- writing, in the document's own form ----

def esc(text):
    out = []
    for ch in text:
        out.append({'"': '\\"', '\\': '\\\\', '/': '\\/', '\b': '\\b', '\f': '\\f',
                    '\n': '\\n', '\r': '\\r', '\t': '\\t'}.get(ch, ch))
    return "".join(out)

def write_members(members):
    parts = []
    for key, kind, value in members:
        if kind in ("str", "enum"):
            v = '"%s"' % esc(value)
        elif kind == "int":
            v = "%d" % value
        elif kind == "num":
            v = "%.3f" % value
        elif kind == "hex":
            v = '"0x%x"' % value
        elif kind == "ahex":
            v = "[" + ",".join('"0x%x"' % x for x in value) + "]"
        elif kind in ("obj", "master"):
            v = "{" + write_members(value) + "}"
        else:
            v = "[" + ",".join("{" + write_members(e) + "}" for e in value) + "]"
        parts.append('"%s":%s' % (key, v))
    return ",".join(parts)

def write_document(members):
    return '{"CONFIG_TAG":"KT2057",' + write_members(members) + "}"

# ---- the trace lines the reader gives for a parsed document ----

LEAF_OP = {"str": "getSTR", "enum": "getENUM", "int": "getINT", "num": "getNUM", "hex": "getHEX"}

def member(container, key):
    return container.get(key) if isinstance(container, dict) else None

def read_members(members, container, trace):
    """Trace lines and flags for the schema `members` read in `container`
    (None when the container is absent). Values are only checked for their
    JSON type: the cases below hold no out-of-range value."""
    flags = 0
    for key, kind, value in members:
        v = member(container, key)
        if kind in LEAF_OP:
            ok = {"str": isinstance(v, str), "enum": isinstance(v, str), "hex": isinstance(v, str),
                  "int": isinstance(v, int) and not isinstance(v, bool),
                  "num": isinstance(v, (int, float)) and not isinstance(v, bool)}[kind]
            if not ok:
                trace.append("%s UNKNOWN_TAG: %s" % (LEAF_OP[kind], key))
                flags |= 1
        elif kind == "ahex":
            if v is None:
                trace.append("JSON_ARRAY_OPEN: Unknown - %s" % key)
            for i in range(len(value)):
                if not (isinstance(v, list) and i < len(v) and isinstance(v[i], str)):
                    trace.append("getAHEX UNKNOWN_ARRAY: %d" % i)
                    flags |= 1
        elif kind == "master" and v is None:
            continue
        elif kind in ("obj", "master"):
            if v is None and kind == "obj":
                trace.append("JSON_OBJ_OPEN: Unknown - %s" % key)
            flags |= read_members(value, v, trace)
        else:
            if v is None:
                trace.append("JSON_ARRAY_OPEN: Unknown - %s" % key)
            for i, element in enumerate(value):
                e = v[i] if isinstance(v, list) and i < len(v) else None
                if e is None:
                    trace.append("JSON_ARRAY_OBJ_OPEN: Unknown")
                flags |= read_members(element, e, trace)
    return flags

def read_case(schema, document_text):
    doc = json.loads(document_text)
    trace = []
    flags = read_members(schema, doc, trace)
    return flags, trace

def write_file(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)

def main():
    schema = default_document()
    default = write_document(schema)
    write_file(os.path.join(HERE, "config", "default.json"), default)

    full = json.loads(default)
    def without(*keys):
        d = dict(full)
        for k in keys:
            del d[k]
        return d

    cases = {
        "tag_only": '{"CONFIG_TAG":"KT2057"}',
        "tag_with_suffix": '{"CONFIG_TAG":"KT2057-2","SNTP":{}}',
        "peer_one_key": '{"CONFIG_TAG":"KT2057","C":[{"PORT":80},{}],'
                        + json.dumps(without("CONFIG_TAG", "C"), separators=(",", ":"))[1:],
        "c_one_element": json.dumps(dict(full, C=full["C"][:1]), separators=(",", ":")),
        "c_three_elements": json.dumps(dict(full, C=full["C"] + [{"PORT": 0}]), separators=(",", ":")),
        "masters_absent": json.dumps(without("SNTP", "WEB", "MODTD", "SMTP", "MAIL", "FTPC"),
                                     separators=(",", ":")),
        "sntp_not_object": json.dumps(dict(full, SNTP=5), separators=(",", ":")),
        "wrong_types": json.dumps(dict(full, TREND=[], LOG={"LOG": "x", "ENCODE": True},
                                       CMT=[5, {"MSG": 1, "COLOR": 0}]), separators=(",", ":")),
    }
    for name, text in cases.items():
        flags, trace = read_case(schema, text)
        base = os.path.join(HERE, "config_read", name)
        write_file(os.path.join(base, "document.json"), text)
        write_file(os.path.join(base, "flags.txt"), "%d\n" % flags)
        write_file(os.path.join(base, "trace.txt"), "".join(line + "\n" for line in trace))

if __name__ == "__main__":
    main()
