// What works on model files by path rather than on an opened model: the write journal (history,
// revert), the check of many files, and the names the library knows.
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>
#include <zedaruz/zedaruz.h>

#include <optional>
#include <vector>

#include "bindings.h"

namespace zedaruz::python {

namespace {

namespace fs = std::filesystem;

fs::path JournalOrDefault(const std::optional<fs::path>& journal) { return journal.value_or(fs::path()); }

py::list History(const fs::path& file, const std::optional<fs::path>& journal) {
    const auto entries = WithoutGil([&] { return zedaruz::History(file, JournalOrDefault(journal)); });
    py::list list;
    for (const JournalEntry& e : entries) {
        py::dict d;
        d["id"] = e.id;
        d["time"] = e.time;
        d["runs"] = e.runs;
        d["bytes"] = e.bytes;
        d["blocks"] = TextList(e.blocks);
        d["state"] = e.state;
        d["reverts"] = e.reverts ? py::object(py::int_(*e.reverts)) : py::object(py::none());
        list.append(d);
    }
    return list;
}

// A path given alone stands for a list of one.
std::vector<fs::path> Paths(const py::object& paths) {
    if (py::isinstance<py::str>(paths) || py::isinstance<py::bytes>(paths) ||
        py::hasattr(paths, "__fspath__"))
        return {paths.cast<fs::path>()};
    return paths.cast<std::vector<fs::path>>();
}

py::list CheckFiles(const py::object& paths) {
    const std::vector<fs::path> files = Paths(paths);
    const auto results = WithoutGil([&] { return Check(files); });
    py::list list;
    for (const CheckResult& r : results)
        list.append(py::make_tuple(PathText(r.file), VerdictName(r.verdict), TextList(r.lines)));
    return list;
}

}  // namespace

void BindFiles(py::module_& m) {
    m.def("history", &History, py::arg("path"), py::kw_only(), py::arg("journal") = py::none(),
          R"(The writes recorded for the file, newest first, as `zedaruz-cli history FILE` lists them: dicts
with id, time (UTC, ISO 8601), runs, bytes, blocks (what each run wrote, e.g. "hardpoint 3"), state
("current", "reverted", "interrupted", "changed since" or "undone by N") and reverts (the id of the
write a revert undid, else None). Raises zedaruz.Error when the file cannot be read.)");

    m.def(
        "revert",
        [](const fs::path& file, std::optional<std::int64_t> id, const std::optional<fs::path>& journal) {
            return WithoutGil([&] { return Revert(file, id, JournalOrDefault(journal)); });
        },
        py::arg("path"), py::arg("id") = py::none(), py::kw_only(), py::arg("journal") = py::none(),
        R"(Undoes write `id` of the file, or without one the newest write that can be undone, as
`zedaruz-cli revert FILE [ID]`: one verified, journaled write of the old bytes. Raises zedaruz.Error
saying why, writing nothing, when there is nothing to revert or the file changed since.)");

    m.def("check", &CheckFiles, py::arg("paths"),
          R"(Loads each file, and each .opt/.op1 file below each folder, and judges it as `zedaruz-cli check`:
a list of (path, verdict, lines), verdict "ok", "notes", "damaged" or "unreadable", lines the reader's
warnings and notes or why the file cannot be read. Never raises for a file.)");

    m.def(
        "listing_names", [] { return Model::ListingNames(); },
        "The names Model.listing() takes, in the order `zedaruz-cli list FILE` prints them.");

    m.def(
        "default_journal", [] { return PathText(DefaultJournal()); },
        "The write journal used when none is named: ZEDARUZ_JOURNAL when set, else patch-journal.jsonl in "
        "the SaveData folder.");
}

}  // namespace zedaruz::python
