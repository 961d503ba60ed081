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

#include "model/part_kinds.h"

namespace cw {
namespace {

constexpr const char* kFormatName = "circuit-workbench";
// Far beyond any screen: a note's point past it is damage, not drawing.
constexpr double kFarthestNote = 1e6;

QString Tr(const char* text) {
    return QCoreApplication::translate("BoardFile", text);
}

QByteArray Number(double v) {
    return QByteArray::number(v, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

QByteArray WriteBoardFile(const BoardDocument& d) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(64 + 80 * d.parts.size() + 16 * d.wires.size() +
                                       16 * d.junctions.size()));
    out += "{\n  \"format\": \"";
    out += kFormatName;
    int version = 1;
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
    list("parts", d.parts.size(), [&](size_t i) {
        const SavedPart& p = d.parts[i];
        out += "{\"kind\": \"";
        out += QByteArray::fromRawData(Info(p.kind).fileName.data(),
                                       static_cast<qsizetype>(Info(p.kind).fileName.size()));
        out += "\", \"number\": " + QByteArray::number(p.number) +
               ", \"left\": " + QByteArray::number(p.left) +
               ", \"top\": " + QByteArray::number(p.top);
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
    });
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
    bool ReadPart(const QJsonValue& v, int index, BoardDocument& d);
    bool ReadNote(const QJsonValue& v, int index, BoardDocument& d);
};

bool Reader::ReadPart(const QJsonValue& v, int index, BoardDocument& d) {
    const QString where = Tr(QT_TRANSLATE_NOOP("BoardFile", "part %1 of the list")).arg(index + 1);
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
                                         "bulb, ammeter or voltmeter."))
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
    d.parts.push_back(p);
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
        if (!ReadPart(parts[i], static_cast<int>(i), d)) return std::nullopt;
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
