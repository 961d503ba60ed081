// Files that cannot be used: truncated at every byte, bytes changed, wrong types, numbers out of
// range, broken references, numbers twice, deep nesting, a newer version. Each gets a message;
// whatever the reader accepts is a sound board.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>

#include "files/board_file.h"

namespace cw::test {
namespace {

QByteArray Example(const char* name) {
    QFile file(QStringLiteral(":/examples/%1.cwb").arg(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// What every accepted document holds: numbers 1..next-1 once each, wires between terminals of
// parts on the board or junctions that exist, values a part can have.
std::string Unsound(const BoardDocument& d) {
    std::set<int> numbers, shown;
    for (const SavedPart& p : d.parts) {
        if (!numbers.insert(p.number).second) return "a number twice";
        if (!p.deleted) shown.insert(p.number);
        if (p.kind == Kind::Resi && p.value != 5 && p.value != 10 && p.value != 20)
            return "a resistor value";
    }
    if (static_cast<int>(numbers.size()) != d.nextNumber - 1) return "numbers missing";
    for (const WireRow& w : d.wires) {
        for (int e : w.end) {
            if (e < 0 && -e > static_cast<int>(d.junctions.size())) return "a junction";
            if (e >= 0 && !shown.count(ComponentOfTerminal(e))) return "a terminal";
        }
    }
    return {};
}

void ExpectRefusedOrSound(const QByteArray& bytes, const std::string& what) {
    const ReadOutcome read = ReadBoardFile(bytes);
    if (read.document) {
        EXPECT_EQ(Unsound(*read.document), "") << what;
        EXPECT_TRUE(read.problem.isEmpty()) << what;
    } else {
        EXPECT_FALSE(read.problem.isEmpty()) << what;
    }
}

// The example with one field changed through its JSON.
QByteArray Changed(const std::function<void(QJsonObject&)>& change) {
    QJsonObject root = QJsonDocument::fromJson(Example("series-and-parallel")).object();
    change(root);
    return QJsonDocument(root).toJson();
}

QString ProblemOf(const QByteArray& bytes) {
    const ReadOutcome read = ReadBoardFile(bytes);
    EXPECT_FALSE(read.document);
    return read.problem;
}

TEST(BadFiles, TruncatedAtEveryByteOrWithBytesChanged) {
    // The example with two of its note's strokes: every part, wire and junction, kept short.
    QJsonObject root = QJsonDocument::fromJson(Example("switch-controls-a-bulb")).object();
    root["notes"] = QJsonArray{root["notes"].toArray()[0], root["notes"].toArray()[1]};
    const QByteArray whole = QJsonDocument(root).toJson(QJsonDocument::Compact);
    ASSERT_TRUE(ReadBoardFile(whole).document);
    for (qsizetype n = 0; n < whole.trimmed().size(); ++n) {
        const ReadOutcome read = ReadBoardFile(whole.left(n));
        ASSERT_FALSE(read.document) << "cut at " << n;
        ASSERT_FALSE(read.problem.isEmpty()) << "cut at " << n;
    }
    for (qsizetype i = 0; i < whole.size(); ++i) {
        for (char c : {'x', '"', '9', '-', '{', ']', '\0', '\xff'}) {
            QByteArray bytes = whole;
            bytes[i] = c;
            ExpectRefusedOrSound(bytes, "byte " + std::to_string(i) + " = " + std::to_string(c));
        }
    }
}

TEST(BadFiles, WrongTypesAndNumbersOutOfRange) {
    const QJsonValue wrong[] = {
        QJsonValue("text"), QJsonValue(QJsonArray{1}), QJsonValue(QJsonObject{}), QJsonValue(),
        QJsonValue(-1),     QJsonValue(1e9),           QJsonValue(2.5),           QJsonValue(true)};
    const char* top[] = {"version", "board", "nextNumber", "parts", "junctions", "wires", "notes"};
    for (const char* key : top) {
        for (const QJsonValue& v : wrong) {
            ExpectRefusedOrSound(Changed([&](QJsonObject& r) { r[key] = v; }), key);
        }
        EXPECT_FALSE(ProblemOf(Changed([&](QJsonObject& r) { r.remove(key); })).isEmpty());
    }
    const char* partKeys[] = {"kind", "number", "left", "top", "closed", "ohms", "deleted"};
    for (const char* key : partKeys) {
        for (const QJsonValue& v : wrong) {
            ExpectRefusedOrSound(Changed([&](QJsonObject& r) {
                                     QJsonArray parts = r["parts"].toArray();
                                     QJsonObject p = parts[1].toObject();
                                     p[key] = v;
                                     parts[1] = p;
                                     r["parts"] = parts;
                                 }),
                                 key);
        }
    }
    EXPECT_TRUE(ProblemOf(Changed([](QJsonObject& r) {
                    r["version"] = kFileFormatVersion + 1;
                })).contains("newer"));
    // A meter needs version 2: a file that says 1 and names one is refused, as a reader of
    // version 1 refuses it.
    EXPECT_TRUE(ProblemOf(Changed([](QJsonObject& r) {
                    QJsonArray parts = r["parts"].toArray();
                    QJsonObject p = parts[1].toObject();
                    p["kind"] = "ammeter";
                    parts[1] = p;
                    r["parts"] = parts;
                })).contains("needs file version 2"));
    EXPECT_TRUE(ProblemOf(Changed([](QJsonObject& r) {
                    r["format"] = "other";
                })).contains("not a Circuit Workbench"));
    EXPECT_TRUE(ProblemOf(Changed([](QJsonObject& r) {
                    r["nextNumber"] = 16385;
                })).contains("whole number from 1 to 16384"));
}

TEST(BadFiles, BrokenReferencesAndNumbersTwice) {
    auto part = [](QJsonObject& r, int i, const char* key, const QJsonValue& v) {
        QJsonArray parts = r["parts"].toArray();
        QJsonObject p = parts[i].toObject();
        p[key] = v;
        parts[i] = p;
        r["parts"] = parts;
    };
    auto wire = [](QJsonObject& r, int a, int b) {
        QJsonArray wires = r["wires"].toArray();
        wires.append(QJsonArray{a, b});
        r["wires"] = wires;
    };
    EXPECT_TRUE(ProblemOf(Changed([&](QJsonObject& r) {
                    part(r, 1, "number", 1);
                })).contains("used twice"));
    EXPECT_TRUE(ProblemOf(Changed([&](QJsonObject& r) {
                    r["nextNumber"] = 9;
                })).contains("belongs to no part"));
    EXPECT_TRUE(
        ProblemOf(Changed([&](QJsonObject& r) { wire(r, 1, -99); })).contains("junction 99"));
    EXPECT_TRUE(ProblemOf(Changed([&](QJsonObject& r) { wire(r, 1, 0); })).contains("terminal"));
    EXPECT_TRUE(ProblemOf(Changed([&](QJsonObject& r) { wire(r, 1, 99); })).contains("terminal"));
    // A wire to a deleted part's terminal: deleting renames its wire ends to junctions.
    EXPECT_TRUE(ProblemOf(Changed([&](QJsonObject& r) {
                    part(r, 0, "deleted", true);
                })).contains("component 1"));
    EXPECT_TRUE(ProblemOf(Changed([&](QJsonObject& r) {
                    part(r, 0, "kind", "resistor");
                    part(r, 0, "ohms", 15);
                })).contains("15 ohms"));
    EXPECT_TRUE(ProblemOf(Changed([&](QJsonObject& r) {
                    part(r, 0, "kind", "capacitor");
                })).contains("capacitor"));
}

TEST(BadFiles, DeepNestingAndTooLarge) {
    const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
    EXPECT_FALSE(ProblemOf(deep).isEmpty());
    QByteArray notes = "{\"format\": \"circuit-workbench\", \"notes\": " + deep + "}";
    EXPECT_FALSE(ProblemOf(notes).isEmpty());
    QByteArray large = Example("one-bulb");
    large.insert(large.indexOf('{') + 1, QByteArray(kMaxFileBytes, ' '));
    EXPECT_TRUE(ProblemOf(large).contains("8 MiB"));
}

}  // namespace
}  // namespace cw::test
