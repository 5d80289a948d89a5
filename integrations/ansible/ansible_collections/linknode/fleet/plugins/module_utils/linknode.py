# -*- coding: utf-8 -*-
# Copyright: 2026 linknode-tool maintainers. All rights reserved.

"""Runs linknode on the managed host for the modules of linknode.fleet."""

from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json
import os

# The options every module takes; their documentation is the fragment linknode.fleet.linknode.
COMMON_OPTIONS = dict(
    interface=dict(type="list", elements="str"),
    linknode=dict(type="path", default="linknode"),
)


def file_argument(path):
    # A path that starts with "-" would read as an option, or as standard input.
    return os.path.join(".", path) if path.startswith("-") else path


def run_linknode(module, arguments):
    """linknode with `arguments` and the adapters named; what it said, as rc, cmd, stdout
    and stderr."""
    binary = module.params["linknode"]
    if os.sep not in binary:
        binary = module.get_bin_path(binary, required=True)
    command = [binary] + arguments
    for name in module.params["interface"] or []:
        command += ["--interface", name]
    rc, stdout, stderr = module.run_command(command)
    return dict(rc=rc, cmd=command, stdout=stdout, stderr=stderr)


def verb_result(stdout, verb):
    """The result linknode printed with --format json for `verb`; None when there is none."""
    try:
        result = json.loads(stdout)
    except ValueError:
        return None
    if not isinstance(result, dict) or result.get("verb") != verb:
        return None
    return result
