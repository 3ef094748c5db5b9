// The modal windows the commands open: zone, connection and template settings
// and the template list of an rmg.txt table. The editor implements them with Qt
// windows (dialogs/); tests answer them with scripted implementations.
#pragma once

#include "model/pattern_settings.h"
#include "model/records.h"
#include "model/transform.h"

#include <optional>
#include <string>
#include <vector>

namespace zw {

class TemplateListSession; // rmg/template_list.h

// What the template settings dialog hands back on OK.
struct TemplateSettings {
    std::string name; // Windows-1251
    int32_t minSize = 0;
    int32_t maxSize = 0;
    int32_t playerCountIndex = 0;
    PlayerKindTable kinds;
    // The cells of the template's first row kept from an extended table, as
    // the dialog's table left them; nullopt leaves the template's as they are.
    std::optional<std::vector<KeptCell>> keptCells = std::nullopt;
};

// What the "duplicate for players" dialog hands back on OK: the owner every
// owner becomes, and how the copy is placed about the selection's extent.
struct DuplicateSettings {
    OwnerMap owners = identityOwnerMap();
    Symmetry symmetry = Symmetry::MirrorLeftRight;
};

// Outcomes of the template list window, with their modal result values.
enum class ListOutcome { Proceed = 1, SaveEdited = 6, Abandon = 7 };

// The template list window alone: all that compiling into a table and
// importing from one ask of the user (rmg/compile.h, rmg/import_table.h).
class TemplateListRunner {
  public:
    virtual ~TemplateListRunner() = default;

    // Runs the template list window on a prepared session until it ends with
    // one of the three outcomes. Any other close must end as Abandon.
    virtual ListOutcome runTemplateList(TemplateListSession& session) = 0;
};

class PropertyDialogs : public TemplateListRunner {
  public:
    ~PropertyDialogs() override = default;

    // Fills the zone dialog from `from`, runs it; on OK returns the record read
    // back (its gridX, gridY are those of `from`; the caller sets its own).
    virtual std::optional<ZoneRecord> editZone(const ZoneRecord& from) = 0;

    // Fills the connection dialog from `from`; with `furtherPassage` the count is
    // raised by one and the new passage's tab selected without loading its slot.
    // On OK returns the working record with the count read back; zoneA and zoneB
    // are those of `from` (the caller sets its own).
    virtual std::optional<ConnectionRecord> editConnection(const ConnectionRecord& from,
                                                           bool furtherPassage) = 0;

    // Fills the template settings dialog from `from`; on OK returns the settings.
    virtual std::optional<TemplateSettings> editTemplate(const TRmg& from) = 0;

    // The zone dialog on several zones at once: fields where the records
    // differ show undetermined, and on OK only the fields the user changed are
    // written into each record. `numbers` are the zones' numbers, for the
    // message when a resulting zone breaks a rule (OK is then refused). Returns
    // the records in the order given (their gridX, gridY unchanged), or nullopt
    // on cancel. Default: cancelled.
    virtual std::optional<std::vector<ZoneRecord>>
    editZones(const std::vector<ZoneRecord>& /*records*/, const std::vector<int64_t>& /*numbers*/) {
        return std::nullopt;
    }

    // The "duplicate for players" dialog for zones `zones` (0-based) of `t`:
    // owner pairs and the transform of the copy. It opens with owner pairs that
    // fit the zones, their players to the next free players. Default: cancelled.
    virtual std::optional<DuplicateSettings>
    duplicateZonesForPlayers(const TRmg& /*t*/, const std::vector<int32_t>& /*zones*/) {
        return std::nullopt;
    }

    // The "template from a pattern" dialog: the pattern, its numbers and the
    // name of a new template. Default: cancelled.
    virtual std::optional<PatternSettings> generateFromPattern() { return std::nullopt; }
};

} // namespace zw
