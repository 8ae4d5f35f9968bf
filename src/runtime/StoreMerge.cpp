// Merging a store's records three ways: see StoreMerge.h.
#include "runtime/StoreMerge.h"
#include "runtime/Strings.h"

#include <algorithm>
#include <map>
#include <set>

namespace runtime {

namespace {

// A record's identity: its name (case folded where case does not count) and
// which record of that name it is, since a file written by hand may hold two
// of one name and both are kept.
using Identity = std::pair<QString, int>;
using ById = std::map<Identity, const StoreRecord*>;

// A told sentence with the records it is about (absent ones as such).
QString StoreTellingKey(const QString& sentence, std::initializer_list<const StoreRecord*> about) {
    QStringList key{sentence};
    for (const StoreRecord* r : about)
        key << (r ? r->name + u'\x1e' + r->content.join(u'\x1e') : QStringLiteral("\x1f"));
    return key.join(u'\x1d');
}

QString Folded(const QString& name, const StoreRules& rules) {
    return rules.names == Qt::CaseInsensitive ? name.toCaseFolded() : name;
}

std::vector<Identity> Identities(const StoreRecords& records, const StoreRules& rules) {
    std::vector<Identity> ids;
    std::map<QString, int> seen;
    for (const StoreRecord& r : records) {
        const QString folded = Folded(r.name, rules);
        ids.emplace_back(folded, seen[folded]++);
    }
    return ids;
}

ById Index(const StoreRecords& records, const StoreRules& rules) {
    ById out;
    const std::vector<Identity> ids = Identities(records, rules);
    for (std::size_t i = 0; i < records.size(); ++i)
        out[ids[i]] = &records[i];
    return out;
}

const StoreRecord* Find(const ById& in, const Identity& id) {
    const auto it = in.find(id);
    return it == in.end() ? nullptr : it->second;
}

bool Same(const StoreRecord* a, const StoreRecord* b) {
    return a == b || (a && b && *a == *b);
}

class Merge {
public:
    Merge(const StoreRecords& base, const StoreRecords& mine, const StoreRecords& theirs,
          const StoreRules& rules)
        : rules_(rules), base_(Index(base, rules)), mine_(Index(mine, rules)),
          theirs_(Index(theirs, rules)), mineList_(mine) {}

    MergedRecords run(const StoreRecords& theirs) {
        const std::vector<Identity> theirIds = Identities(theirs, rules_);
        for (const Identity& id : theirIds)
            take(id);
        for (const Identity& id : Identities(mineList_, rules_))
            if (!Find(theirs_, id)) take(id);
        for (const StoreRecord& copy : copies_)
            out_.records.push_back(copy);
        out_.changesFile = out_.records != theirs;
        return out_;
    }

private:
    void take(const Identity& id) {
        if (!done_.insert(id).second) return;
        const StoreRecord* b = Find(base_, id);
        const StoreRecord* m = Find(mine_, id);
        const StoreRecord* t = Find(theirs_, id);
        if (Same(b, m)) return keep(t, id);
        if (Same(b, t) || Same(m, t)) return keep(m, id);
        if (!m) {
            tell(English("'%1' was changed in the other Mirel: it is kept with that change, "
                         "not deleted.")
                     .arg(Shown(t)),
                 {b, t});
            return keep(t, id);
        }
        if (!t) {
            tell((rules_.renames ? English("'%1' was deleted or renamed in the other Mirel: it "
                                           "is kept with your change.")
                                 : English("'%1' was deleted in the other Mirel: it is kept with "
                                           "your change."))
                     .arg(Shown(m)),
                 {b, m});
            return keep(m, id);
        }
        keep(m, id);
        if (!rules_.copies) {
            tell(English("'%1' was changed in the other Mirel too: your change replaced it.")
                     .arg(Shown(m)),
                 {b, m, t});
            return;
        }
        StoreRecord copy = *t;
        copy.name = FreeName(t->name);
        tell(English("'%1' was changed in the other Mirel too: both are kept, the other's as "
                     "'%2'.")
                 .arg(Shown(m), Shown(&copy)),
             {b, m, t});
        copies_.push_back(copy);
    }

    void tell(const QString& sentence, std::initializer_list<const StoreRecord*> about) {
        out_.told << sentence;
        out_.toldKeys << StoreTellingKey(sentence, about);
    }

    QString Shown(const StoreRecord* r) const {
        return rules_.shownLine < 0 ? r->name : r->content.value(rules_.shownLine);
    }

    void keep(const StoreRecord* r, const Identity& id) {
        if (!r) return;
        out_.records.push_back(*r);
        TellCopyOfMine(*r, id);
    }

    // A record the other Mirel made holding what this one holds under
    // another name: the other kept this Mirel's version as a copy.
    void TellCopyOfMine(const StoreRecord& r, const Identity& id) {
        if (!rules_.copies || Find(base_, id) || Find(mine_, id)) return;
        for (const StoreRecord& held : mineList_)
            if (held.content == r.content && r.name.startsWith(held.name + QStringLiteral(" (")))
                tell(English("'%1' was changed in the other Mirel too: the file keeps its "
                             "version, and yours as '%2'.")
                         .arg(Shown(&held), Shown(&r)),
                     {&held, &r});
    }

    QString FreeName(const QString& name) const {
        for (int n = 2;; ++n) {
            const QString candidate = name + QStringLiteral(" (%1)").arg(n);
            const QString folded = Folded(candidate, rules_);
            const auto taken = [&](const StoreRecords& in) {
                for (const StoreRecord& r : in)
                    if (Folded(r.name, rules_) == folded) return true;
                return false;
            };
            if (!taken(out_.records) && !taken(copies_) && !Find(theirs_, {folded, 0}) &&
                !Find(mine_, {folded, 0}))
                return candidate;
        }
    }

    const StoreRules& rules_;
    ById base_, mine_, theirs_;
    const StoreRecords& mineList_;
    std::set<Identity> done_;
    StoreRecords copies_;
    MergedRecords out_;
};

} // namespace

MergedRecords MergeRecords(const StoreRecords& base, const StoreRecords& mine,
                           const StoreRecords& theirs, const StoreRules& rules) {
    return Merge(base, mine, theirs, rules).run(theirs);
}

bool RecordStore::Save(QStringList& told, QString* error) {
    const StoreRecords held = HeldRecords();
    StoreRecords file;
    if (!FileRecords(file, error)) return !(unsaved_ = held != base_);
    TellDeletedSinceChanged(held, file, told);
    const MergedRecords merged = MergeRecords(base_, held, file, Rules());
    for (qsizetype i = 0; i < merged.told.size(); ++i)
        if (!toldBefore_.contains(merged.toldKeys[i])) {
            toldBefore_.insert(merged.toldKeys[i]);
            told << merged.told[i];
        }
    if (merged.changesFile && !WriteRecords(merged.records, error)) {
        unsaved_ = true;
        return false;
    }
    KeepDeleted(held, merged.records);
    base_ = held;
    unsaved_ = false;
    return true;
}

// A record this Mirel deleted that the file holds again, changed: another
// Mirel that still held it changed it, and its change was kept.
void RecordStore::TellDeletedSinceChanged(const StoreRecords& held, const StoreRecords& file,
                                          QStringList& told) {
    const StoreRules rules = Rules();
    const auto named = [&](const StoreRecords& in, const QString& name) {
        for (const StoreRecord& r : in)
            if (r.name.compare(name, rules.names) == 0) return &r;
        return static_cast<const StoreRecord*>(nullptr);
    };
    std::erase_if(deleted_, [&](const StoreRecord& gone) {
        if (named(held, gone.name)) return true; // made again here
        const StoreRecord* back = named(file, gone.name);
        if (!back || *back == gone) return false;
        const QString shown =
            rules.shownLine < 0 ? back->name : back->content.value(rules.shownLine);
        told << (rules.renames ? English("'%1' was changed in the other Mirel after you deleted "
                                         "or renamed it: it is kept with that change.")
                               : English("'%1' was changed in the other Mirel after you deleted "
                                         "it: it is kept with that change."))
                    .arg(shown);
        return true;
    });
}

void RecordStore::KeepDeleted(const StoreRecords& held, const StoreRecords& merged) {
    const StoreRules rules = Rules();
    const auto has = [&](const StoreRecords& in, const QString& name) {
        return std::any_of(in.begin(), in.end(), [&](const StoreRecord& r) {
            return r.name.compare(name, rules.names) == 0;
        });
    };
    for (const StoreRecord& r : base_)
        if (!has(held, r.name) && !has(merged, r.name)) deleted_.push_back(r);
}

} // namespace runtime
