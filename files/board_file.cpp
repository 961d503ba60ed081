#include "files/board_file.h"

#include <QFile>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_map>

#include "model/part_kinds.h"

namespace cw {
namespace {

constexpr const char* kFormatName = "circuit-workbench";
// Far beyond any screen: a note's point past it is damage, not drawing.
constexpr double kFarthestNote = 1e6;
// A task's texts and goals: a page of instructions, not a book.
constexpr qsizetype kLongestText = 20000;
constexpr qsizetype kMostGoals = 200;
constexpr double kLargestMeasure = 1e6;

QString Tr(const char* text) {
    return QCoreApplication::translate("BoardFile", text);
}

QByteArray Number(double v) {
    return QByteArray::number(v, 'g', QLocale::FloatingPointShortest);
}

void WritePart(QByteArray& out, const SavedPart& p) {
    out += "{\"kind\": \"";
    out += QByteArray::fromRawData(Info(p.kind).fileName.data(),
                                   static_cast<qsizetype>(Info(p.kind).fileName.size()));
    out += "\", \"number\": " + QByteArray::number(p.number) +
           ", \"left\": " + QByteArray::number(p.left) + ", \"top\": " + QByteArray::number(p.top);
    switch (Info(p.kind).fileValue) {
        case FileValue::Closed:
            out += p.value == kSwitchClosed ? ", \"closed\": true" : ", \"closed\": false";
            break;
        case FileValue::Ohms:
            out += ", \"ohms\": " + QByteArray::number(p.value);
            break;
        case FileValue::Fuse:
            out += ", \"rating\": " +
                   QByteArray::number(std::abs(static_cast<int>(p.value)) / 1000.0, 'g', 4) +
                   (p.value < 0 ? ", \"blown\": true" : ", \"blown\": false");
            break;
        case FileValue::None:
            break;
    }
    if (p.deleted) out += ", \"deleted\": true";
    out += "}";
}

// What each goal is called in a file and which fields it has, in the order of GoalKind.
enum GoalFields : uint8_t {
    kPartField = 1,       // "part", a component number
    kEveryBulb = 2,       // "part" may be left out: every bulb
    kOtherField = 4,      // "other", a component number
    kCountFields = 8,     // "kind" and "count"
    kMeasureFields = 16,  // "value" and "tolerance"
    kQuestionField = 32,  // "question"
    kUnitField = 64,      // "unit"
};
struct GoalFormat {
    GoalKind kind;
    const char* name;
    uint8_t fields;
};
constexpr auto kGoalFormats = std::to_array<GoalFormat>({
    {GoalKind::Lit, "lit", kEveryBulb},
    {GoalKind::Dark, "dark", kEveryBulb},
    {GoalKind::Brighter, "brighter", kPartField | kOtherField},
    {GoalKind::AsBright, "asBright", kPartField | kOtherField},
    {GoalKind::Controls, "controls", kPartField | kOtherField},
    {GoalKind::ControlsOnly, "controlsOnly", kPartField | kOtherField},
    {GoalKind::MeterReads, "meterReads", kPartField | kUnitField | kMeasureFields},
    {GoalKind::NoShortedCell, "noShortedCell", 0},
    {GoalKind::NoBlownFuse, "noBlownFuse", 0},
    {GoalKind::AtMost, "atMost", kCountFields},
    {GoalKind::Answer, "answer", kQuestionField | kUnitField | kMeasureFields},
});
static_assert(kGoalFormats.size() == kGoalKinds, "every goal has its name in a file");
constexpr const char* kUnitNames[] = {"amperes", "volts", "ohms"};

QByteArray Name(std::string_view name) {
    return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

// A text as a JSON string, quoted and escaped.
QByteArray JsonString(const QString& text) {
    const QByteArray list = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return list.mid(1, list.size() - 2);
}

void WriteGoal(QByteArray& out, const Goal& g) {
    const GoalFormat& f = kGoalFormats[static_cast<size_t>(g.kind)];
    out += "{\"goal\": \"";
    out += f.name;
    out += "\"";
    if ((f.fields & kPartField) || ((f.fields & kEveryBulb) && g.part != 0))
        out += ", \"part\": " + QByteArray::number(g.part);
    if (f.fields & kOtherField) out += ", \"other\": " + QByteArray::number(g.other);
    if (f.fields & kCountFields) {
        out += ", \"kind\": \"" + Name(Info(g.partKind).fileName) +
               "\", \"count\": " + QByteArray::number(g.count);
    }
    if (f.fields & kQuestionField) out += ", \"question\": " + JsonString(g.question);
    if (f.fields & kUnitField)
        out += QByteArray(", \"unit\": \"") + kUnitNames[static_cast<size_t>(g.unit)] + "\"";
    if (f.fields & kMeasureFields)
        out += ", \"value\": " + Number(g.value) + ", \"tolerance\": " + Number(g.tolerance);
    out += "}";
}

// The task: the teacher's, kept apart from the learner's answers that follow it.
void WriteTask(QByteArray& out, const BoardDocument& d) {
    const Task& t = *d.task;
    out += ",\n  \"task\": {\n    \"title\": " + JsonString(t.title);
    out += ",\n    \"instructions\": " + JsonString(t.instructions);
    out += ",\n    \"firstAdded\": " + QByteArray::number(t.rules.firstAdded);
    out += ",\n    \"locked\": [";
    bool first = true;
    for (const SavedPart& p : d.parts) {
        if (!t.rules.Locked(p.number)) continue;
        out += first ? "\n      " : ",\n      ";
        first = false;
        WritePart(out, p);
    }
    out += first ? "]" : "\n    ]";
    out += ",\n    \"hidden\": [";
    for (size_t i = 0; i < t.rules.hidden.size(); ++i)
        out += (i ? ", " : "") + QByteArray::number(t.rules.hidden[i]);
    out += "],\n    \"allow\": {";
    first = true;
    for (Kind kind : kKinds) {
        const int allowed = t.rules.allowance[static_cast<size_t>(KindIndex(kind))];
        if (allowed == TaskRules::kNoLimit) continue;
        out += (first ? "\"" : ", \"") + Name(Info(kind).fileName) +
               "\": " + QByteArray::number(allowed);
        first = false;
    }
    out += "},\n    \"goals\": [";
    for (size_t i = 0; i < t.goals.size(); ++i) {
        out += i ? ",\n      " : "\n      ";
        WriteGoal(out, t.goals[i]);
    }
    out += t.goals.empty() ? "]\n  }" : "\n    ]\n  }";
    out += ",\n  \"answers\": [";
    for (size_t i = 0; i < d.answers.size(); ++i) {
        out += i ? ",\n    " : "\n    ";
        out += "{\"goal\": " + QByteArray::number(d.answers[i].goal) +
               ", \"text\": " + JsonString(d.answers[i].text) + "}";
    }
    out += d.answers.empty() ? "]" : "\n  ]";
}

}  // namespace

QByteArray WriteBoardFile(const BoardDocument& d) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(64 + 80 * d.parts.size() + 16 * d.wires.size() +
                                       16 * d.junctions.size()));
    out += "{\n  \"format\": \"";
    out += kFormatName;
    int version = d.task ? kTaskFileVersion : 1;
    for (const SavedPart& p : d.parts) version = std::max(version, Info(p.kind).fileVersion);
    out += "\",\n  \"version\": " + QByteArray::number(version);
    out += ",\n  \"board\": {\"width\": " + QByteArray::number(d.width) +
           ", \"height\": " + QByteArray::number(d.height) + "}";
    out += ",\n  \"nextNumber\": " + QByteArray::number(d.nextNumber);
    // Each list on its lines, one part, junction, wire or note to a line.
    auto list = [&out](const char* name, size_t n, auto&& item) {
        out += ",\n  \"";
        out += name;
        out += "\": [";
        for (size_t i = 0; i < n; ++i) {
            out += i == 0 ? "\n    " : ",\n    ";
            item(i);
        }
        out += n == 0 ? "]" : "\n  ]";
    };
    list("parts", d.parts.size(), [&](size_t i) { WritePart(out, d.parts[i]); });
    list("junctions", d.junctions.size(), [&](size_t i) {
        out += "[" + QByteArray::number(d.junctions[i].x) + ", " +
               QByteArray::number(d.junctions[i].y) + "]";
    });
    list("wires", d.wires.size(), [&](size_t i) {
        out += "[" + QByteArray::number(d.wires[i].end[0]) + ", " +
               QByteArray::number(d.wires[i].end[1]) + "]";
    });
    list("notes", d.notes.size(), [&](size_t i) {
        out += "[";
        const QPolygonF& stroke = d.notes[i];
        for (qsizetype k = 0; k < stroke.size(); ++k) {
            if (k > 0) out += ", ";
            out += "[" + Number(stroke[k].x()) + ", " + Number(stroke[k].y()) + "]";
        }
        out += "]";
    });
    if (d.task) WriteTask(out, d);
    out += "\n}\n";
    return out;
}

namespace {

// Reads one document, stopping at the first problem; every check names where it looked.
class Reader {
  public:
    std::optional<BoardDocument> Read(const QByteArray& bytes);
    QString problem;

  private:
    bool Fail(const QString& text) {
        if (problem.isEmpty()) problem = text;
        return false;
    }
    bool Field(const QJsonObject& o, const QString& where, const char* key, QJsonValue& out) {
        out = o.value(QLatin1String(key));
        if (out.isUndefined())
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "In %1, “%2” is missing."))
                            .arg(where, QLatin1String(key)));
        return true;
    }
    bool Whole(const QJsonValue& v, const QString& where, const QString& what, double low,
               double high, int& out) {
        const double d = v.toDouble(std::nan(""));
        if (!v.isDouble() || std::floor(d) != d || d < low || d > high) {
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "In %1, “%2” should be a whole number from %3 to %4."))
                            .arg(where, what)
                            .arg(static_cast<qint64>(low))
                            .arg(static_cast<qint64>(high)));
        }
        out = static_cast<int>(d);
        return true;
    }
    bool WholeField(const QJsonObject& o, const QString& where, const char* key, double low,
                    double high, int& out) {
        QJsonValue v;
        return Field(o, where, key, v) && Whole(v, where, QLatin1String(key), low, high, out);
    }
    bool List(const QJsonObject& o, const char* key, qsizetype most, QJsonArray& out) {
        QJsonValue v;
        if (!Field(o, Tr(QT_TRANSLATE_NOOP("BoardFile", "the circuit")), key, v)) return false;
        if (!v.isArray())
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "In the circuit, “%1” should be a list."))
                            .arg(QLatin1String(key)));
        out = v.toArray();
        if (out.size() > most) {
            return Fail(
                Tr(QT_TRANSLATE_NOOP("BoardFile", "The circuit has more than %1 entries in “%2”."))
                    .arg(most)
                    .arg(QLatin1String(key)));
        }
        return true;
    }
    bool Pair(const QJsonValue& v, const QString& where, double low, double high, int& a, int& b) {
        const QJsonArray pair = v.toArray();
        if (!v.isArray() || pair.size() != 2)
            return Fail(
                Tr(QT_TRANSLATE_NOOP("BoardFile", "%1 should be a pair of numbers.")).arg(where));
        return Whole(pair[0], where, Tr(QT_TRANSLATE_NOOP("BoardFile", "the first number")), low,
                     high, a) &&
               Whole(pair[1], where, Tr(QT_TRANSLATE_NOOP("BoardFile", "the second number")), low,
                     high, b);
    }
    int version_ = 1;  // the file's
    bool ReadPart(const QJsonValue& v, const QString& where, std::vector<SavedPart>& parts);
    bool ReadTask(const QJsonObject& root, BoardDocument& d);
    bool ReadGoal(const QJsonValue& v, int index, Task& task);
    bool Text(const QJsonObject& o, const QString& where, const char* key, QString& out) {
        QJsonValue v;
        if (!Field(o, where, key, v)) return false;
        // Text a file cannot hold again as it was (half a surrogate pair) is damage too.
        if (!v.isString() || v.toString().size() > kLongestText ||
            !QStringView(v.toString()).isValidUtf16())
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "In %1, “%2” should be a text of at most %3 letters."))
                            .arg(where, QLatin1String(key))
                            .arg(kLongestText));
        out = v.toString();
        return true;
    }
    bool Measure(const QJsonObject& o, const QString& where, const char* key, double low,
                 double& out) {
        QJsonValue v;
        if (!Field(o, where, key, v)) return false;
        out = v.toDouble(std::nan(""));
        if (!v.isDouble() || !std::isfinite(out) || out < low || std::fabs(out) > kLargestMeasure)
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "In %1, “%2” should be a number from "
                                             "%3 to %4."))
                            .arg(where, QLatin1String(key))
                            .arg(low)
                            .arg(kLargestMeasure));
        return true;
    }
    bool ReadNote(const QJsonValue& v, int index, BoardDocument& d);
};

bool Reader::ReadPart(const QJsonValue& v, const QString& where, std::vector<SavedPart>& parts) {
    if (!v.isObject())
        return Fail(
            Tr(QT_TRANSLATE_NOOP("BoardFile", "%1 should be a part with its kind and place."))
                .arg(where));
    const QJsonObject o = v.toObject();
    SavedPart p;
    QJsonValue kind;
    if (!Field(o, where, "kind", kind)) return false;
    const QString name = kind.toString();
    const QByteArray utf8 = name.toUtf8();
    const std::optional<Kind> named = KindNamed(std::string_view(utf8.constData(), utf8.size()));
    if (!kind.isString() || !named) {
        return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                         "In %1, the kind “%2” is not a cell, switch, resistor, "
                                         "bulb, ammeter, voltmeter or fuse."))
                        .arg(where, name));
    }
    if (Info(*named).fileVersion > version_) {
        return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                         "In %1, the kind “%2” needs file version %3, but the file "
                                         "says version %4."))
                        .arg(where, name)
                        .arg(Info(*named).fileVersion)
                        .arg(version_));
    }
    p.kind = *named;
    int number = 0, left = 0, top = 0;
    if (!WholeField(o, where, "number", 1, kMaxComponentNumber, number) ||
        !WholeField(o, where, "left", INT16_MIN, INT16_MAX, left) ||
        !WholeField(o, where, "top", INT16_MIN, INT16_MAX, top)) {
        return false;
    }
    p.number = number;
    p.left = static_cast<int16_t>(left);
    p.top = static_cast<int16_t>(top);
    const QJsonValue deleted = o.value(QLatin1String("deleted"));
    if (!deleted.isUndefined() && !deleted.isBool())
        return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "In %1, “deleted” should be true or false."))
                        .arg(where));
    p.deleted = deleted.toBool(false);
    const KindInfo& info = Info(p.kind);
    if (info.fileValue == FileValue::Closed) {
        QJsonValue closed;
        if (!Field(o, where, "closed", closed)) return false;
        if (!closed.isBool())
            return Fail(
                Tr(QT_TRANSLATE_NOOP("BoardFile", "In %1, “closed” should be true or false."))
                    .arg(where));
        p.value = closed.toBool() ? kSwitchClosed : kSwitchOpen;
    } else if (info.fileValue == FileValue::Ohms) {
        int ohms = 0;
        if (!WholeField(o, where, "ohms", 0, INT16_MAX, ohms)) return false;
        if (std::find(info.steps.begin(), info.steps.end(), ohms) == info.steps.end()) {
            return Fail(
                Tr(QT_TRANSLATE_NOOP(
                       "BoardFile",
                       "In %1, a resistor of %2 ohms cannot be made: resistors are %3, %4 or "
                       "%5 ohms."))
                    .arg(where)
                    .arg(ohms)
                    .arg(kSmallestResistorOhms)
                    .arg(kNewResistorOhms)
                    .arg(kLargestResistorOhms));
        }
        p.value = static_cast<int16_t>(ohms);
    } else if (info.fileValue == FileValue::Fuse) {
        QJsonValue rating, blown;
        if (!Field(o, where, "rating", rating) || !Field(o, where, "blown", blown)) return false;
        const double amps = rating.toDouble(-1);
        const auto milliamps = static_cast<int16_t>(std::lround(amps * 1000));
        if (!rating.isDouble() || std::fabs(amps * 1000 - milliamps) > 1e-6 ||
            std::find(info.steps.begin(), info.steps.end(), milliamps) == info.steps.end()) {
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "In %1, a fuse cannot be rated so: fuses are rated "
                                             "0.25, 0.5 or 1 A."))
                            .arg(where));
        }
        if (!blown.isBool())
            return Fail(
                Tr(QT_TRANSLATE_NOOP("BoardFile", "In %1, “blown” should be true or false."))
                    .arg(where));
        p.value = static_cast<int16_t>(blown.toBool() ? -milliamps : milliamps);
    }
    parts.push_back(p);
    return true;
}

bool Reader::ReadNote(const QJsonValue& v, int index, BoardDocument& d) {
    const QString where = Tr(QT_TRANSLATE_NOOP("BoardFile", "note %1")).arg(index + 1);
    const QJsonArray points = v.toArray();
    if (!v.isArray() || points.isEmpty())
        return Fail(
            Tr(QT_TRANSLATE_NOOP("BoardFile", "%1 should be a list of points.")).arg(where));
    QPolygonF stroke;
    stroke.reserve(points.size());
    for (const QJsonValue& point : points) {
        const QJsonArray xy = point.toArray();
        const bool ok = point.isArray() && xy.size() == 2 && xy[0].isDouble() && xy[1].isDouble() &&
                        std::fabs(xy[0].toDouble()) <= kFarthestNote &&
                        std::fabs(xy[1].toDouble()) <= kFarthestNote;
        if (!ok)
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "In %1, a point should be two numbers on the board."))
                            .arg(where));
        stroke.push_back(QPointF(xy[0].toDouble(), xy[1].toDouble()));
    }
    d.notes.push_back(std::move(stroke));
    return true;
}

bool Reader::ReadGoal(const QJsonValue& v, int index, Task& task) {
    const QString where = Tr(QT_TRANSLATE_NOOP("BoardFile", "goal %1 of the task")).arg(index + 1);
    const QJsonObject o = v.toObject();
    QJsonValue name;
    if (!v.isObject())
        return Fail(
            Tr(QT_TRANSLATE_NOOP("BoardFile", "%1 should be a goal with its kind.")).arg(where));
    if (!Field(o, where, "goal", name)) return false;
    const auto format = std::find_if(kGoalFormats.begin(), kGoalFormats.end(), [&](const auto& f) {
        return name.toString() == QLatin1String(f.name);
    });
    if (!name.isString() || format == kGoalFormats.end())
        return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "In %1, there is no goal called “%2”."))
                        .arg(where, name.toString()));
    Goal g;
    g.kind = format->kind;
    const uint8_t fields = format->fields;
    if (((fields & kPartField) || ((fields & kEveryBulb) && o.contains(QLatin1String("part")))) &&
        !WholeField(o, where, "part", (fields & kEveryBulb) ? 0 : 1, kMaxComponentNumber, g.part))
        return false;
    if ((fields & kOtherField) && !WholeField(o, where, "other", 1, kMaxComponentNumber, g.other))
        return false;
    if (fields & kCountFields) {
        QJsonValue kind;
        if (!Field(o, where, "kind", kind)) return false;
        const QByteArray utf8 = kind.toString().toUtf8();
        const std::optional<Kind> named =
            KindNamed(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
        if (!kind.isString() || !named)
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "In %1, “%2” is not a kind of part."))
                            .arg(where, kind.toString()));
        g.partKind = *named;
        if (!WholeField(o, where, "count", 0, kMaxComponentNumber, g.count)) return false;
    }
    if ((fields & kQuestionField) && !Text(o, where, "question", g.question)) return false;
    if (fields & kUnitField) {
        QJsonValue unit;
        if (!Field(o, where, "unit", unit)) return false;
        const auto named = std::find_if(std::begin(kUnitNames), std::end(kUnitNames),
                                        [&](const char* u) { return unit.toString() == u; });
        if (named == std::end(kUnitNames))
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "In %1, the unit should be amperes, volts or ohms."))
                            .arg(where));
        g.unit = static_cast<AnswerUnit>(named - std::begin(kUnitNames));
        if (g.kind == GoalKind::MeterReads && g.unit == AnswerUnit::Ohms)
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "In %1, a meter reads amperes or volts, not ohms."))
                            .arg(where));
    }
    if ((fields & kMeasureFields) && (!Measure(o, where, "value", -kLargestMeasure, g.value) ||
                                      !Measure(o, where, "tolerance", 0, g.tolerance)))
        return false;
    task.goals.push_back(g);
    return true;
}

bool Reader::ReadTask(const QJsonObject& root, BoardDocument& d) {
    const QJsonValue section = root.value(QLatin1String("task"));
    const QJsonValue answers = root.value(QLatin1String("answers"));
    if (section.isUndefined()) {
        if (answers.isUndefined()) return true;
        return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "The circuit has answers but no task.")));
    }
    const QString where = Tr(QT_TRANSLATE_NOOP("BoardFile", "the task"));
    if (version_ < kTaskFileVersion)
        return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                         "The circuit has a task, which needs file version %1, "
                                         "but the file says version %2."))
                        .arg(kTaskFileVersion)
                        .arg(version_));
    if (!section.isObject())
        return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                         "In the circuit, “task” should be a task "
                                         "with its title, rules and goals.")));
    const QJsonObject o = section.toObject();
    Task t;
    if (!Text(o, where, "title", t.title) || !Text(o, where, "instructions", t.instructions) ||
        !WholeField(o, where, "firstAdded", 1, d.nextNumber, t.rules.firstAdded))
        return false;
    QJsonArray locked, hidden, goals, given;
    QJsonValue allow;
    if (!List(o, "locked", kMaxComponentNumber, locked) ||
        !List(o, "hidden", kMaxComponentNumber, hidden) || !List(o, "goals", kMostGoals, goals) ||
        !Field(o, where, "allow", allow))
        return false;
    std::unordered_map<int, const SavedPart*> board;
    for (const SavedPart& p : d.parts) board[p.number] = &p;
    // A locked part is on the board just as the task keeps it: a file changed elsewhere that
    // moved it is not the task any more.
    std::vector<SavedPart> lockedParts;
    for (qsizetype i = 0; i < locked.size(); ++i) {
        const QString at =
            Tr(QT_TRANSLATE_NOOP("BoardFile", "locked part %1 of the task")).arg(i + 1);
        if (!ReadPart(locked[i], at, lockedParts)) return false;
        const SavedPart& p = lockedParts.back();
        const auto on = board.find(p.number);
        if (on == board.end() || on->second->deleted || on->second->kind != p.kind ||
            on->second->left != p.left || on->second->top != p.top ||
            std::abs(on->second->value) != std::abs(p.value) || p.number >= t.rules.firstAdded)
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "Component %1 is locked by the task, but the circuit "
                                             "has it moved, changed or deleted."))
                            .arg(p.number));
        t.rules.locked.push_back(p.number);
    }
    for (qsizetype i = 0; i < hidden.size(); ++i) {
        int k = 0;
        if (!Whole(hidden[i], where, QLatin1String("hidden"), 1, kMaxComponentNumber, k))
            return false;
        if (!board.count(k) || k >= t.rules.firstAdded)
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "The task hides the value of component %1, which "
                                             "the task's circuit does not have."))
                            .arg(k));
        t.rules.hidden.push_back(k);
    }
    for (auto* numbers : {&t.rules.locked, &t.rules.hidden}) {
        std::sort(numbers->begin(), numbers->end());
        numbers->erase(std::unique(numbers->begin(), numbers->end()), numbers->end());
    }
    if (!allow.isObject())
        return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                         "In the task, “allow” should give a number "
                                         "of parts for each kind it limits.")));
    const QJsonObject allowed = allow.toObject();
    for (auto it = allowed.begin(); it != allowed.end(); ++it) {
        const QByteArray utf8 = it.key().toUtf8();
        const std::optional<Kind> kind =
            KindNamed(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
        if (!kind)
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "In %1, “%2” is not a kind of part."))
                            .arg(where, it.key()));
        int most = 0;
        if (!Whole(it.value(), where, it.key(), 0, kMaxComponentNumber, most)) return false;
        int added = 0;
        for (const SavedPart& p : d.parts)
            added += p.kind == *kind && !p.deleted && p.number >= t.rules.firstAdded;
        if (added > most)
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                             "The task lets the learner add %1 “%2”, but the "
                                             "circuit has %3 added."))
                            .arg(most)
                            .arg(it.key())
                            .arg(added));
        t.rules.allowance[static_cast<size_t>(KindIndex(*kind))] = most;
    }
    for (qsizetype i = 0; i < goals.size(); ++i) {
        if (!ReadGoal(goals[i], static_cast<int>(i), t)) return false;
    }
    if (!answers.isUndefined()) {
        if (!answers.isArray())
            return Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "In the circuit, “%1” should be a list."))
                            .arg(QLatin1String("answers")));
        given = answers.toArray();
    }
    for (qsizetype i = 0; i < given.size(); ++i) {
        const QString at = Tr(QT_TRANSLATE_NOOP("BoardFile", "answer %1")).arg(i + 1);
        TaskAnswer a;
        const QJsonObject answer = given[i].toObject();
        if (!WholeField(answer, at, "goal", 0, static_cast<double>(t.goals.size()) - 1, a.goal) ||
            !Text(answer, at, "text", a.text))
            return false;
        d.answers.push_back(a);
    }
    d.task = std::move(t);
    return true;
}

std::optional<BoardDocument> Reader::Read(const QByteArray& bytes) {
    if (bytes.trimmed().isEmpty()) {
        Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "The file is empty.")));
        return std::nullopt;
    }
    if (bytes.size() > kMaxFileBytes) {
        Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                  "The file is larger than %1 MiB; no circuit file is that large."))
                 .arg(kMaxFileBytes / (1024 * 1024)));
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        Fail(
            Tr(QT_TRANSLATE_NOOP(
                   "BoardFile",
                   "The file is damaged or is not a circuit file: its text goes wrong at character "
                   "%1."))
                .arg(error.offset + 1));
        return std::nullopt;
    }
    const QJsonObject root = json.object();
    if (!json.isObject() || root.value(QLatin1String("format")).toString() != kFormatName) {
        Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "The file is not a Circuit Workbench circuit.")));
        return std::nullopt;
    }
    int version = 0;
    if (!WholeField(root, Tr(QT_TRANSLATE_NOOP("BoardFile", "the circuit")), "version", 1,
                    INT32_MAX, version))
        return std::nullopt;
    if (version > kFileFormatVersion) {
        Fail(
            Tr(QT_TRANSLATE_NOOP(
                   "BoardFile",
                   "The circuit was saved by a newer Circuit Workbench (file version %1); this one "
                   "reads version %2 and earlier."))
                .arg(version)
                .arg(kFileFormatVersion));
        return std::nullopt;
    }
    version_ = version;
    BoardDocument d;
    QJsonValue board;
    if (!Field(root, Tr(QT_TRANSLATE_NOOP("BoardFile", "the circuit")), "board", board))
        return std::nullopt;
    if (!board.isObject()) {
        Fail(Tr(QT_TRANSLATE_NOOP(
            "BoardFile", "In the circuit, “board” should give the board's width and height.")));
        return std::nullopt;
    }
    const QString boardWhere = Tr(QT_TRANSLATE_NOOP("BoardFile", "the board's size"));
    if (!WholeField(board.toObject(), boardWhere, "width", 1, INT16_MAX, d.width) ||
        !WholeField(board.toObject(), boardWhere, "height", 1, INT16_MAX, d.height) ||
        !WholeField(root, Tr(QT_TRANSLATE_NOOP("BoardFile", "the circuit")), "nextNumber", 1,
                    kMaxComponentNumber + 1, d.nextNumber)) {
        return std::nullopt;
    }
    QJsonArray parts, junctions, wires, notes;
    if (!List(root, "parts", kMaxComponentNumber, parts) ||
        !List(root, "junctions", kMaxTableRows - 1, junctions) ||
        !List(root, "wires", kMaxTableRows - 1, wires) ||
        !List(root, "notes", kMaxFileBytes, notes)) {
        return std::nullopt;
    }
    d.parts.reserve(static_cast<size_t>(parts.size()));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString where = Tr(QT_TRANSLATE_NOOP("BoardFile", "part %1 of the list")).arg(i + 1);
        if (!ReadPart(parts[i], where, d.parts)) return std::nullopt;
    }
    // Every number below the next one is carried by exactly one part, as on a board.
    std::vector<const SavedPart*> byNumber(static_cast<size_t>(d.nextNumber), nullptr);
    for (const SavedPart& p : d.parts) {
        if (p.number >= d.nextNumber) {
            Fail(Tr(QT_TRANSLATE_NOOP("BoardFile",
                                      "Component number %1 is not below the next number, %2."))
                     .arg(p.number)
                     .arg(d.nextNumber));
            return std::nullopt;
        }
        if (byNumber[static_cast<size_t>(p.number)]) {
            Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "Component number %1 is used twice."))
                     .arg(p.number));
            return std::nullopt;
        }
        byNumber[static_cast<size_t>(p.number)] = &p;
    }
    for (int k = 1; k < d.nextNumber; ++k) {
        if (!byNumber[static_cast<size_t>(k)]) {
            Fail(Tr(QT_TRANSLATE_NOOP("BoardFile", "Component number %1 belongs to no part."))
                     .arg(k));
            return std::nullopt;
        }
    }
    for (qsizetype j = 0; j < junctions.size(); ++j) {
        int x = 0, y = 0;
        if (!Pair(junctions[j], Tr(QT_TRANSLATE_NOOP("BoardFile", "junction %1")).arg(j + 1),
                  INT16_MIN, INT16_MAX, x, y))
            return std::nullopt;
        d.junctions.push_back(JunctionRow{static_cast<int16_t>(x), static_cast<int16_t>(y)});
    }
    const int J = static_cast<int>(d.junctions.size());
    for (qsizetype l = 0; l < wires.size(); ++l) {
        const QString where = Tr(QT_TRANSLATE_NOOP("BoardFile", "wire %1")).arg(l + 1);
        int ends[2] = {0, 0};
        if (!Pair(wires[l], where, INT16_MIN, INT16_MAX, ends[0], ends[1])) return std::nullopt;
        for (int e : ends) {
            if (e < 0 && -e > J) {
                Fail(
                    Tr(QT_TRANSLATE_NOOP(
                           "BoardFile", "%1 ends at junction %2, which the circuit does not have."))
                        .arg(where)
                        .arg(-e));
                return std::nullopt;
            }
            const int k = ComponentOfTerminal(e);
            const bool onBoard =
                e > 0 && k < d.nextNumber && !byNumber[static_cast<size_t>(k)]->deleted;
            if (e == 0 || (e > 0 && !onBoard)) {
                Fail(Tr(QT_TRANSLATE_NOOP(
                            "BoardFile",
                            "%1 ends at a terminal of component %2, which is not on the board."))
                         .arg(where)
                         .arg(e > 0 ? k : 0));
                return std::nullopt;
            }
        }
        d.wires.push_back(WireRow{{static_cast<int16_t>(ends[0]), static_cast<int16_t>(ends[1])}});
    }
    for (qsizetype i = 0; i < notes.size(); ++i) {
        if (!ReadNote(notes[i], static_cast<int>(i), d)) return std::nullopt;
    }
    if (!ReadTask(root, d)) return std::nullopt;
    return d;
}

}  // namespace

ReadOutcome ReadBoardFile(const QByteArray& bytes) {
    Reader reader;
    ReadOutcome outcome;
    outcome.document = reader.Read(bytes);
    outcome.problem = reader.problem;
    if (!outcome.document && outcome.problem.isEmpty())
        outcome.problem =
            Tr(QT_TRANSLATE_NOOP("BoardFile", "The file is not a Circuit Workbench circuit."));
    return outcome;
}

ReadOutcome ReadBoardFileAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, Tr(QT_TRANSLATE_NOOP("BoardFile", "The file cannot be read: %1."))
                                  .arg(file.errorString())};
    }
    if (file.size() > kMaxFileBytes) return ReadBoardFile(QByteArray(kMaxFileBytes + 1, ' '));
    return ReadBoardFile(file.readAll());
}

}  // namespace cw
