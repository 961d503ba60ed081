#!/usr/bin/python3
"""Checks circuit files against the file format's JSON Schema: every file named, or every
.cwb file in the folders named. Exits 1 with the first problems when one does not conform."""
import json
import pathlib
import sys

import jsonschema


def main():
    schema = json.loads(pathlib.Path(sys.argv[1]).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    files = []
    for arg in sys.argv[2:]:
        path = pathlib.Path(arg)
        files += sorted(path.glob("*.cwb")) if path.is_dir() else [path]
    bad = 0
    for path in files:
        errors = list(validator.iter_errors(json.loads(path.read_bytes().decode("utf-8"))))
        if errors:
            bad += 1
            print(f"{path}: {errors[0].message} at {list(errors[0].absolute_path)}")
    print(f"{len(files) - bad} of {len(files)} files conform")
    return 1 if bad or not files else 0


if __name__ == "__main__":
    sys.exit(main())
