#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright: 2026 linknode-tool maintainers. All rights reserved.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: backup
short_description: Saves the field devices of one network segment to an inventory file
version_added: "1.3.0"
description:
  - Runs C(linknode inventory save) on the managed host, which writes every device that
    answers, each field and its whole record, to an inventory file in JSON. The same file
    is a site file for M(linknode.fleet.apply), and C(linknode replace) hands a swapped
    device its old configuration from it.
  - The inventory is written to a temporary file beside I(dest) and replaces I(dest) only
    when its content differs, so the task reports a change only when the devices did.
  - In check mode the devices are still asked (asking changes nothing) and the task reports
    whether I(dest) would change; I(dest) is left as it is.
options:
  dest:
    description:
      - The inventory file on the managed host. A new one is readable by its owner only
        unless I(mode) says otherwise, since it holds the devices' logins.
    type: path
    required: true
  allow_incomplete:
    description:
      - Passed as C(--allow-incomplete); saves even when the discovery was cut short (replies
        kept arriving past its C(--max-wait), or more devices answered than a list holds).
        Without it linknode refuses such a discovery and I(dest) stays as it was.
      - Needs a C(linknode) that knows the option.
    type: bool
    default: false
  allow_empty:
    description:
      - Passed as C(--allow-empty); replaces an existing I(dest) even when no device
        answered. Without it the task fails and I(dest) stays as it was.
    type: bool
    default: false
extends_documentation_fragment:
  - ansible.builtin.action_common_attributes
  - ansible.builtin.action_common_attributes.files
  - ansible.builtin.files
  - linknode.fleet.linknode
attributes:
  check_mode:
    support: full
  diff_mode:
    support: none
  platform:
    platforms: posix
  safe_file_operations:
    support: full
  vault:
    support: none
notes:
  - The task fails with what linknode said on standard error when C(linknode inventory save)
    does not exit 0.
author:
  - linknode-tool maintainers
"""

EXAMPLES = r"""
- name: Keep the state of this segment's devices
  linknode.fleet.backup:
    dest: /var/lib/linknode/inventory.json

- name: Keep it on the controller as well, one file per site
  ansible.builtin.fetch:
    src: /var/lib/linknode/inventory.json
    dest: "backups/{{ inventory_hostname }}.json"
    flat: true

- name: A busy segment, whose discovery may be cut short
  linknode.fleet.backup:
    dest: /var/lib/linknode/inventory.json
    allow_incomplete: true
    interface: [eth1]
"""

RETURN = r"""
dest:
  description: The inventory file.
  returned: always
  type: str
  sample: /var/lib/linknode/inventory.json
devices:
  description: The MACs of the devices saved.
  returned: success
  type: list
  elements: str
  sample: [0-80-194-10-0-11, 0-80-194-10-0-12]
rc:
  description: The exit status of linknode.
  returned: when linknode ran
  type: int
  sample: 0
cmd:
  description: The command run; it names the temporary file.
  returned: when linknode ran
  type: list
  elements: str
stdout:
  description: What linknode printed, its result in JSON.
  returned: when linknode ran
  type: str
stderr:
  description: What linknode said on standard error.
  returned: when linknode ran
  type: str
"""

import filecmp
import os
import shutil
import tempfile

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.linknode.fleet.plugins.module_utils.linknode import (
    COMMON_OPTIONS,
    run_linknode,
    verb_result,
)


def save(module, dest, saved):
    """linknode saves the devices to `saved`; what it said."""
    if os.path.exists(dest):
        # linknode keeps an existing inventory from an empty discovery: it must see it.
        shutil.copyfile(dest, saved)
    arguments = ["inventory", "save", saved, "--format", "json"]
    for option in ("allow_incomplete", "allow_empty"):
        if module.params[option]:
            arguments.append("--" + option.replace("_", "-"))
    run = run_linknode(module, arguments)
    if run["rc"] != 0:
        # linknode names the file it was given; the user knows dest.
        message = run["stderr"].replace(saved, dest).strip()
        module.fail_json(
            msg=message or "linknode inventory save exited with status %d" % run["rc"],
            dest=dest,
            **run
        )
    return run


def main():
    module = AnsibleModule(
        argument_spec=dict(
            dest=dict(type="path", required=True),
            allow_incomplete=dict(type="bool", default=False),
            allow_empty=dict(type="bool", default=False),
            **COMMON_OPTIONS
        ),
        add_file_common_args=True,
        supports_check_mode=True,
    )
    dest = module.params["dest"]
    existed = os.path.exists(dest)
    if existed and not os.path.isfile(dest):
        module.fail_json(msg="%s is not a regular file" % dest, dest=dest)
    # Beside dest, so the new file replaces it by a rename on the same file system.
    try:
        folder = tempfile.mkdtemp(prefix=".linknode-backup-", dir=os.path.dirname(dest) or ".")
    except OSError as error:
        module.fail_json(msg="cannot write beside %s: %s" % (dest, error), dest=dest)
    try:
        saved = os.path.join(folder, os.path.basename(dest))
        run = save(module, dest, saved)
        changed = not existed or not filecmp.cmp(dest, saved, shallow=False)
        if changed and not module.check_mode:
            module.atomic_move(saved, dest, unsafe_writes=module.params["unsafe_writes"])
    finally:
        shutil.rmtree(folder, ignore_errors=True)

    file_args = module.load_file_common_arguments(module.params, path=dest)
    if file_args["mode"] is None and not existed:
        # An inventory holds the devices' logins, MQTT passwords among them.
        file_args["mode"] = "0600"
    # In check mode a new dest is not there to judge.
    if os.path.exists(dest):
        changed = module.set_fs_attributes_if_different(file_args, changed)
    result = verb_result(run["stdout"], "inventory") or {}
    devices = [device.get("mac") for device in result.get("devices", [])]
    module.exit_json(changed=changed, dest=dest, devices=devices, **run)


if __name__ == "__main__":
    main()
