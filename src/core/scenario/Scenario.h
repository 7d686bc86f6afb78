#pragma once

// The scenario document: the first tab's values, the station table, the ship table, the scan log
// and the sections of the file as read. Values stay the text read from the file until an editor
// validates them or the writer formats them; only a station's epoch is held as a calendar day.
// While the main window shows a scenario, its fields and name lists are what the person edits;
// it collects them into the document before writing it.

#include "core/scenario/FileFormat.h"
#include "core/scenario/FileLayout.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The editor's keywords a block line may stand for, numbered from 1; 0 is none.
inline constexpr std::string_view BlockKeywords[] = {"",     "STATUS", "BASE",        "HEADING",     "RPOS",
                                                     "RVEL", "AROT",   "VROT",        "FUEL",        "ENGINE_MAIN",
                                                     "ENGINE_HOVR", "REF", "EL_MJD", "ELEMENTS", "ZROT_FREQUENCY",
                                                     "PRPLEVEL", "POS"};

// One of those keywords. Written as a literal ("FUEL") it is found when the program is compiled
// (a literal that is no keyword does not compile), so that the writer's many questions about a
// block's lines compare numbers.
class Keyword {
public:
    consteval Keyword(const char* text) : number_(numberOf(text)) {
        if (number_ == 0)
            throw "not one of the editor's keywords";
    }
    // A keyword given at run time; none (number 0) when it is not one.
    static Keyword find(std::string_view text);
    uint8_t number() const { return number_; }
    std::string_view text() const { return BlockKeywords[number_]; }
    bool operator==(const Keyword&) const = default;

private:
    constexpr explicit Keyword(uint8_t number) : number_(number) {}
    static constexpr uint8_t numberOf(std::string_view text) {
        for (size_t k = 1; k < std::size(BlockKeywords); ++k)
            if (BlockKeywords[k] == text)
                return static_cast<uint8_t>(k);
        return 0;
    }
    uint8_t number_;
};

// A line of a station's or ship's block as read: one of the editor's by its keyword ("FUEL"), or
// any other line (empty keyword). The keyword is always a text of the program (a literal); the
// text lies in the bytes the row was read from, which the row keeps alive (its Source).
class BlockLine {
public:
    BlockLine() = default;
    BlockLine(Keyword keyword, std::string_view text)
        : text_(text.data()), size_(static_cast<uint32_t>(text.size())), keyword_(keyword.number()) {}
    BlockLine(std::string_view keyword, std::string_view text) : BlockLine(Keyword::find(keyword), text) {}
    std::string_view keyword() const { return BlockKeywords[keyword_]; }
    std::string_view text() const { return {text_, size_}; }
    // The same keyword with another text.
    BlockLine withText(std::string_view text) const {
        BlockLine line = *this;
        line.text_ = text.data();
        line.size_ = static_cast<uint32_t>(text.size());
        return line;
    }
    // An earlier line of a keyword that repeats becomes a line as read.
    void clearKeyword() { keyword_ = 0; }
    bool hasKeyword() const { return keyword_ != 0; }
    bool sameKeyword(const BlockLine& other) const { return keyword_ == other.keyword_; }
    bool is(Keyword keyword) const { return keyword_ != 0 && keyword_ == keyword.number(); }

private:
    // Kept small: a huge scenario has a hundred thousand of them.
    const char* text_ = nullptr;
    uint32_t size_ = 0;
    uint8_t keyword_ = 0;
};

// The bytes of a file as read, shared by the rows whose lines lie in them.
using SourceBytes = std::shared_ptr<const std::string>;

struct StationRow {
    std::string StationNameTable;
    std::string StationClassTable;
    std::string StationRefTable;
    std::string StationSemiMajorAxisTable;
    std::string StationExcentricityTable;
    std::string StationInclinationTable;
    std::string StationAscendingNodeLongitudeTable;
    std::string StationPeriapsisLongitudeTable;
    std::string StationMeanLongitudeTable;
    std::optional<int> StationOrbitalRefDate; // calendar day, days since 1899-12-30
    std::string StationOrbitalRefHourTable;
    std::string StationOrbitalRefMinTable;
    std::string StationXAngleTable;
    std::string StationYAngleTable;
    std::string StationZAngleTable;
    std::string StationRotationFrequencyTable;
    bool StationUseClassFrequency = false;
    // The lines of the block after its head, in file order, as for a ship. Empty for a station
    // the file did not give.
    std::vector<BlockLine> StationBlockLines;
    SourceBytes StationSource;
    // The line number of the station's head in StationSource, or -1 for a station the file did
    // not give: a save edits the block's own lines in place.
    int32_t StationHeadLine = -1;
    // A mark of the station's name, class and values as read (stationValuesMark), 0 for a station
    // the file did not give.
    uint64_t StationValuesAsRead = 0;
    // When a line of the block could not be read: that line and the rest of the stations'
    // section, as read, written in place of the block's END.
    std::vector<std::string> StationLinesNotTaken;

    // A vessel of a today's file that the station tab shows (or a station added to such a file):
    // its lines are today's (STATUS, ELEMENTS with its epoch, AROT, VROT, in the ships' section),
    // never REF, EL_MJD or ZROT_FREQUENCY.
    bool StationToday = false;
    // Its values as the file gave them, or null for a station the file did not give.
    std::shared_ptr<const StationRow> StationTodayAsRead;
    // The file placed it by RPOS and RVEL: its elements are those of that state at the scenario
    // date, and its lines stay while they are unchanged.
    bool StationPlacedByVector = false;
    // The MJD of its epoch as read (ELEMENTS's seventh number, or the scenario date for a vessel
    // placed by RPOS and RVEL), kept while the epoch's day, hour and minute are unchanged.
    std::optional<double> StationEpochMjd;
    // Its VROT spins about another axis than the vessel's own Z: the line stays as read and the
    // frequency cannot be edited.
    bool StationSpinAsRead = false;
    // Whether the file's camera targeted this vessel: the target follows it through a rename.
    bool StationCameraTarget = false;
    // What today's simulator does with it that its fields do not say, or empty.
    std::string StationNote;
};

// What places a vessel of a today's file, as the simulator reads its block; None for an early
// file's ship and for a ship added in the editor.
enum class TodaysPlacement : uint8_t { None, Attached, Pad, Coordinates, Docked, Elements, Vector };

struct ShipRow {
    std::string ShipNameTable;
    std::string ShipClassTable;
    std::string ShipStatusTable;
    std::string ShipPlanetTable;
    std::string ShipLandedBaseTable;
    std::string ShipLandedPadTable;
    std::string ShipLandedHeadingTable;
    std::string ShipDockedStationTable;
    std::string ShipDockedPortTable;
    std::string ShipRposXTable, ShipRposYTable, ShipRposZTable;
    std::string ShipRvelXTable, ShipRvelYTable, ShipRvelZTable;
    std::string ShipArotXTable, ShipArotYTable, ShipArotZTable;
    std::string ShipVrotTable;
    std::string ShipFuelTable;
    std::string ShipMainEngineTable;
    std::string ShipHoverEngineTable;
    std::string ShipExtraLines; // other lines of the ship's block, joined by CR LF

    // Whether the file gave the ship (its block was read up to its END, or up to a line that
    // could not be read). The writer then adds a line the block lacked only when its value
    // changed, and writes a form the editor reduces (VROT with three values) as read while its
    // value is the same.
    bool ShipFromFile = false;
    // The lines of the block after its head, in file order; of a keyword that repeats, the last
    // is the editor's and the earlier ones are lines as read (see lineAsRead). Empty for a ship
    // the file did not give.
    std::vector<BlockLine> ShipBlockLines;
    SourceBytes ShipSource;
    // The line number of the ship's head in ShipSource, or -1 for a ship the file did not give.
    int32_t ShipHeadLine = -1;
    // A mark of the ship's name, class and values as read (shipValuesMark), 0 for a ship the
    // file did not give: a save passes over a ship whose mark is still the same without reading
    // its lines again.
    uint64_t ShipValuesAsRead = 0;
    // Whether the file's camera targeted this ship: the target follows it through a rename.
    bool ShipCameraTarget = false;
    // When a line of the block could not be read: that line and the rest of the ships' section,
    // as read, written in place of the block's END.
    std::vector<std::string> ShipLinesNotTaken;
    // For a vessel of a today's file: what places it as read. A ship placed otherwise than by
    // its RPOS and RVEL is not judged by them while they are unchanged.
    TodaysPlacement ShipPlacement = TodaysPlacement::None;
    // The block of a today's file gives its tanks by PRPLEVEL, after any FUEL: the fuel shown is
    // tank 0's level, and a change rewrites that token alone.
    bool ShipFuelByTank = false;
    // What places it in a today's file when its fields do not ("Attached to GL-01"), or empty.
    std::string ShipNote;
    // The vessel its ATTACHED line names as parent, as written; empty without one.
    std::string ShipAttachedTo;
    // A today's ship landed by coordinates: its POS longitude and latitude in degrees, as written;
    // both empty for a ship on a pad.
    std::string ShipLandedLongitudeTable;
    std::string ShipLandedLatitudeTable;
    // A ship of a today's file: "Docked" means docked by DOCKINFO to a station of the station
    // tab, written as STATUS Orbiting and a token on each side.
    bool ShipToday = false;
    // A today's ship in orbit placed by its elements rather than its position and velocity: the
    // seven ELEMENTS numbers (a, e, i, node, periapsis and mean longitudes, epoch MJD) as the
    // fields give them, one blank between.
    bool ShipByElements = false;
    std::string ShipElementsTable;
    // A today's ship docked to a station as read: the station as its token names it, the
    // station's port as the dock tree counts it (from 1), and the ship's own port (from 0; -1
    // when it was not docked to a station).
    std::string ShipDockedStationAsRead;
    std::string ShipDockedPortAsRead;
    int ShipOwnPortAsRead = -1;
};

// The ship's fields that a keyword line gives ("FUEL", "RPOS", "RVEL", "AROT", "VROT",
// "ENGINE_MAIN", "ENGINE_HOVR", "STATUS", "BASE"), joined by "|"; empty for any other keyword.
std::string shipValue(const ShipRow& row, std::string_view keyword);
// Reads one of the editor's lines of a ship's block into the row, given the line without its
// comment and trimmed; false when the line cannot be read (a value or one of its parts is missing).
bool readShipLine(ShipRow& row, Keyword keyword, std::string_view text);
// The level a PRPLEVEL line gives tank 0 (its "0:" token), "0" when it has none: the simulator
// leaves out empty tanks.
std::string tankZeroLevel(std::string_view prplevel);
// Whether the file gave the ship, and what its block gave for a keyword of shipValue, in
// shipValue's form: the value of the block's line, or the blank value when it had none.
// Nothing for a ship the file did not give.
inline bool shipFromFile(const ShipRow& row) { return row.ShipFromFile; }
std::optional<std::string> valueAsRead(const ShipRow& row, std::string_view keyword);
// The editor's line of the block for a keyword, as read, or nothing when the block had none.
std::optional<std::string_view> lineAsRead(const ShipRow& row, Keyword keyword);
// The value of the last line of a section that begins with the keyword ("TARGET"), trimmed and
// without comment, or nothing.
std::optional<std::string> sectionValue(const SectionAsRead& section, const std::string& keyword);
// A 64-bit mark of a ship's name, class and every value field, for telling at a glance whether
// any of them changed since the mark was taken. Never 0.
uint64_t shipValuesMark(const ShipRow& row);
uint64_t stationValuesMark(const StationRow& row);
// Whether two shipValue texts hold the same values: each part the same text once trimmed, or
// the same number ("0.50" and " .5").
bool sameShipValue(std::string_view a, std::string_view b);

// The lines a read could not take stay with the row where it stopped: the rest of that block
// and the blocks after it, as read. When that row is deleted, its own lines up to its END go
// with it and the blocks after it move to the end of the keeper's block.
void passLinesNotTaken(const std::vector<std::string>& deleted, std::vector<std::string>& keeper);

// The blank heading of a landed ship that was never given one.
inline constexpr const char* BlankHeading = "Toto";
// Stores the blank values of ShipTableBlanking into a row: "Toto" as heading and "0" in the
// thirteen numeric fields; nothing else changes.
void blankShipValues(ShipRow& row);

// The start day, hour and minute as shown on the environment tab.
struct StartTime {
    std::optional<int> day;
    std::string hour;
    std::string minute;
    bool operator==(const StartTime&) const = default;
};

class Scenario {
public:
    // The first tab: the description, the start time as shown (calendar day, hour, minute), the
    // planetary system and the user-controlled ship.
    std::string description;
    StartTime start;
    std::string system;
    std::string focus;
    // The layout the file is read and edited in.
    FileFormat format = FileFormat::Early;
    // The stations and ships in use: rows 0..count-1 of the tables.
    int stationCount = 0;
    int shipCount = 0;

    // The sections of the file read last, and its start time as the reader showed it: the
    // writer keeps what the editor does not own, and a start time nobody changed, as read.
    FileLayout layout;
    // The size of the file read last, in bytes: what a save will be about.
    size_t sizeAsRead = 0;
    // The bytes of the file read last, or null when the document has no file: a save then
    // changes only the lines that hold what changed, and gives these bytes when nothing did.
    SourceBytes source;
    // The first tab's values as showing the file left them: a value still the same is not
    // written again.
    StartTime startAsRead;
    std::string systemAsRead;
    std::string focusAsRead;
    // The start of the file's Date line as a Modified Julian Date, its seconds included: a new
    // start keeps them.
    std::optional<double> startMjdAsRead;
    // The description the load gave with the file (the load window reads only a DESC block
    // that opens the file, so one after HYPERDESC or URLDESC comes as an empty text).
    std::string descriptionAsRead;
    // Whether the TARGET of the file's CAMERA named one of its ships; when that ship is gone,
    // the camera targets the user-controlled ship.
    bool cameraTargetIsShip = false;

    // Rows 0..upper bound; the number of stations and ships in use is the entry count of the
    // StationName and ShipName lists, never more than the rows here.
    std::vector<StationRow> stations;
    std::vector<ShipRow> ships;

    std::string ScanLog;
    bool ScanErrorsFound = false;

    // Appends an entry to the scan log and sets the errors-found flag.
    void logScanError(const std::string& entry);

    int stationUpperBound() const { return static_cast<int>(stations.size()) - 1; }
    int shipUpperBound() const { return static_cast<int>(ships.size()) - 1; }

    // Discards every station row and makes rows 0..t, every text empty, no date, and
    // StationUseClassFrequency false.
    void StationTableRedim(int t);
    // Sets the upper bound to t keeping rows 0..min(old, t); added rows are empty as above.
    void StationTableRedimPreserve(int t);
    // Stores the blank values into a row (StationUseClassFrequency true).
    void StationTableBlanking(int iIndex);

    // Discards every ship row and makes rows 0..t with every field empty.
    void ShipTableRedim(int t);
    void ShipTableRedimPreserve(int t);
    // Stores the blank values into a row: "Toto" as heading, "0" in the thirteen numeric
    // fields, empty texts elsewhere; the name and the extra lines are left as they are.
    void ShipTableBlanking(int iIndex);

    // What the last load or save read or wrote, as a mark of its bytes (size and hash): whether
    // writing the document would now give other bytes. False before any load or save.
    void markSaved(std::string_view bytes);
    bool differsFromSaved(std::string_view bytes) const;
    bool hasSavedMark() const { return saved_.has_value(); }

    bool validStation(int row) const { return row >= 0 && row < static_cast<int>(stations.size()); }
    bool validShip(int row) const { return row >= 0 && row < static_cast<int>(ships.size()); }

private:
    struct Mark {
        size_t size = 0;
        size_t hash = 0;
        bool operator==(const Mark&) const = default;
    };
    static Mark markOf(std::string_view bytes);
    std::optional<Mark> saved_;
};

} // namespace vantrel
