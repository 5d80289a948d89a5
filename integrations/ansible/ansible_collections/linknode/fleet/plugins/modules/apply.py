#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright: 2026 linknode-tool maintainers. All rights reserved.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: apply
short_description: Brings the field devices of one network segment to a site file
version_added: "1.3.0"
description:
  - Runs C(linknode apply) on the managed host, which must sit on the segment of the devices,
    since their broadcasts never cross a router.
  - Every device of the site file, named by its MAC, is given the fields the file holds;
    a device already so is left alone and gets no datagram. Changes go out in waves so no
    address is taken twice, and each wave is confirmed by a discovery.
  - A site file is an inventory in JSON, the format of C(linknode inventory save) (format
    C(linknode-inventory), version 1, a list of devices, each holding C(mac) and the fields
    to set), or a readdress plan in CSV, rows C(mac,ip[,mask[,gateway]]) with an optional
    header line naming those columns. A text that starts with C({) is read as JSON, any
    other as CSV.
  - In check mode C(linknode apply --check) plans the changes and sends no configuration.
  - "In diff mode each device that changes shows its fields as C(field: value) lines, before
    and after."
options:
  site:
    description:
      - The site file's content, so it need not be on the managed host first. A text is
        written as it is (JSON or CSV); a mapping, such as a site written in YAML in the
        playbook, is written as JSON.
      - The module writes it to a temporary file only its owner may read, passes that, and
        removes it afterwards.
      - Exactly one of I(site) and I(path) is given.
    type: raw
  path:
    description:
      - The site file on the managed host.
    type: path
  spare:
    description:
      - Free addresses the devices may pass through when two of them exchange addresses.
    type: list
    elements: str
  retries:
    description:
      - Passed as C(--retries); how many more times a wave is sent to its devices that did
        not confirm it (0 to 10). Left out, linknode's default of 2 holds.
    type: int
  rate:
    description:
      - Passed as C(--rate); datagrams a second at most (10 to 100000). Left out,
        linknode's default of 5000 holds (4 to 5 Mbit/s of broadcast, a few per cent of a
        100 Mbit/s port).
    type: int
  bypass:
    description:
      - Sends each configuration 50 times instead of 10, for devices still starting from
        their boot loader.
    type: bool
    default: false
  strict:
    description:
      - Passed as C(--strict); a device of the site file that does not answer refuses the
        whole run, nothing sent. Without it the other devices change and the silent ones
        are reported not confirmed.
    type: bool
    default: false
extends_documentation_fragment:
  - ansible.builtin.action_common_attributes
  - linknode.fleet.linknode
attributes:
  check_mode:
    support: full
  diff_mode:
    support: full
  platform:
    platforms: posix
notes:
  - The task fails when C(linknode apply) does not exit 0, or when a device is left parked
    on a spare address, naming each device that did not reach its values and why.
  - The changes and the diff show the login strings as the devices hold them; a gateway's
    MQTT user and password travel there. Use C(no_log) on the task where that matters.
author:
  - linknode-tool maintainers
"""

EXAMPLES = r"""
- name: Bring the devices of this segment to the site file kept on the host
  linknode.fleet.apply:
    path: /etc/linknode/site.json

- name: Show what would change, sending nothing, the site file read on the controller
  linknode.fleet.apply:
    site: "{{ lookup('ansible.builtin.file', 'sites/' ~ inventory_hostname ~ '.json') }}"
  check_mode: true
  diff: true

- name: New addresses from a readdress plan in CSV
  linknode.fleet.apply:
    site: |
      mac,ip,mask
      0-80-194-10-0-11,10.40.7.111,255.255.255.0
      0-80-194-10-0-12,10.40.7.112,255.255.255.0

- name: A site written in the playbook, a gateway's login among its values
  linknode.fleet.apply:
    site:
      format: linknode-inventory
      version: 1
      devices:
        - { mac: 0-80-194-10-0-11, ip: 10.40.7.111, login: GATE-NORTH }
        - { mac: 0-80-194-10-0-12, hostPort: "4000" }
  no_log: true

- name: Devices behind the second adapter, slowly, with a spare address for swaps
  linknode.fleet.apply:
    path: /srv/site-b.json
    interface: [eth1]
    spare: [10.40.7.250]
    retries: 3
    rate: 2000
    linknode: /opt/linknode/bin/linknode
"""

RETURN = r"""
changed:
  description: Whether any device was sent a change, confirmed or not (in check mode, would
    be).
  returned: always
  type: bool
devices:
  description: One result per device of the site file, as C(linknode apply --format json)
    gives it.
  returned: when linknode gave a result
  type: list
  elements: dict
  sample:
    - mac: 0-80-194-10-0-11
      status: confirmed
      wave: 1
      changes:
        - field: ip
          old: 10.213.0.11
          new: 10.213.0.111
      error: ""
  contains:
    mac:
      description: The device.
      type: str
    status:
      description: C(confirmed), C(not-confirmed), C(unchanged), C(refused), C(not-tried),
        C(sent), C(parked) (left on a spare address during an exchange of addresses) or, in
        check mode, C(planned).
      type: str
    wave:
      description: The wave the device was sent its change in, from 1; absent for a device
        sent nothing.
      type: int
    address:
      description: The spare address a parked device holds.
      type: str
      returned: when the device is parked
    changes:
      description: Each field that changes, with C(field), C(old) and C(new).
      type: list
      elements: dict
    error:
      description: What went wrong for this device, empty otherwise.
      type: str
datagrams:
  description: Configuration datagrams sent (in check mode, planned).
  returned: when linknode gave a result
  type: int
  sample: 20
exit_status:
  description: The exit status of linknode; 0 every device confirmed or unchanged, 1 a
    failure such as a send the system refused, 2 the site file or an option refused and
    nothing sent, 3 some device not confirmed.
  returned: always
  type: int
  sample: 0
rc:
  description: The exit status of linknode, as I(exit_status).
  returned: always
  type: int
  sample: 3
cmd:
  description: The command run; a site given as content shows as its temporary file.
  returned: always
  type: list
  elements: str
  sample: [/usr/bin/linknode, apply, /etc/linknode/site.json, --format, json]
stdout:
  description: What linknode printed, its result in JSON.
  returned: always
  type: str
stderr:
  description: What linknode said on standard error.
  returned: always
  type: str
"""

import contextlib
import json
import os
import tempfile

from ansible.module_utils.basic import AnsibleModule
from ansible.module_utils.common.text.converters import to_bytes
from ansible_collections.linknode.fleet.plugins.module_utils.linknode import (
    COMMON_OPTIONS,
    file_argument,
    run_linknode,
    verb_result,
)

# Sent a change (a not-confirmed device too, when it has a wave), or in check mode would be.
SENT = ("sent", "confirmed", "parked", "planned")
# Shown in the diff: the device holds its new values, or would.
HOLDING = ("confirmed", "planned")
# Left short of the site file.
FAILING = ("not-confirmed", "not-tried", "refused", "parked")
# A failure names this many devices, then counts the rest.
NAMED = 5


@contextlib.contextmanager
def site_path(module):
    """The site file for linknode: the one named, or a private copy of the content given."""
    if module.params["path"] is not None:
        yield file_argument(module.params["path"])
        return
    content = module.params["site"]
    if isinstance(content, (dict, list)):
        content = json.dumps(content, indent=4)
    # The logins it holds may carry passwords: readable by its owner only, and gone after.
    handle, path = tempfile.mkstemp(prefix="linknode-site-", dir=module.tmpdir)
    try:
        with os.fdopen(handle, "wb") as site:
            site.write(to_bytes(content))
        yield path
    finally:
        os.remove(path)


def apply_arguments(site, params, check_mode):
    arguments = ["apply", site, "--format", "json"]
    if check_mode:
        arguments.append("--check")
    if params["strict"]:
        arguments.append("--strict")
    if params["bypass"]:
        arguments.append("--bypass")
    for address in params["spare"] or []:
        arguments += ["--spare", address]
    for option in ("retries", "rate"):
        if params[option] is not None:
            arguments += ["--" + option, str(params[option])]
    return arguments


def took_change(device):
    status = device.get("status")
    # A device not confirmed may never have been sent anything, such as one that was silent.
    return status in SENT or (status == "not-confirmed" and "wave" in device)


def device_failure(device):
    words = device["status"].replace("-", " ")
    if device["status"] == "parked":
        words += " on " + device.get("address", "a spare address")
    error = device.get("error", "")
    # linknode's reason may start with the status already ("not tried: ...").
    if error.startswith(words):
        return "%s %s" % (device["mac"], error)
    return "%s %s: %s" % (device["mac"], words, error) if error else device["mac"] + " " + words


def failure_message(result, rc, failing):
    # A refused file or option sent nothing; linknode's own words name the entry.
    if rc == 2 or not failing:
        return result.get("error") or "linknode apply exited with status %d" % rc
    named = [device_failure(device) for device in failing[:NAMED]]
    if len(failing) == 1:
        return named[0]
    if len(failing) > NAMED:
        named.append("and %d more" % (len(failing) - NAMED))
    return "%d devices failed: %s" % (len(failing), "; ".join(named))


def field_lines(changes, side):
    return "".join("%s: %s\n" % (change["field"], change[side]) for change in changes)


def device_diffs(devices):
    return [
        {
            "before_header": device["mac"],
            "after_header": device["mac"],
            "before": field_lines(device["changes"], "old"),
            "after": field_lines(device["changes"], "new"),
        }
        for device in devices
        if device.get("status") in HOLDING and device.get("changes")
    ]


def main():
    module = AnsibleModule(
        argument_spec=dict(
            site=dict(type="raw"),
            path=dict(type="path"),
            spare=dict(type="list", elements="str"),
            retries=dict(type="int"),
            rate=dict(type="int"),
            bypass=dict(type="bool", default=False),
            strict=dict(type="bool", default=False),
            **COMMON_OPTIONS
        ),
        mutually_exclusive=[("site", "path")],
        required_one_of=[("site", "path")],
        supports_check_mode=True,
    )
    with site_path(module) as site:
        run = run_linknode(module, apply_arguments(site, module.params, module.check_mode))
    result = verb_result(run["stdout"], "apply")
    if result is None:
        module.fail_json(
            msg="linknode apply gave no result (exit status %d): %s"
            % (run["rc"], run["stderr"].strip()),
            exit_status=run["rc"],
            **run
        )

    devices = result.get("devices", [])
    outcome = dict(
        changed=any(took_change(device) for device in devices),
        devices=devices,
        datagrams=result.get("datagrams", 0),
        exit_status=run["rc"],
        **run
    )
    if module._diff:
        outcome["diff"] = device_diffs(devices)
    failing = [device for device in devices if device.get("status") in FAILING]
    if run["rc"] != 0 or failing:
        module.fail_json(msg=failure_message(result, run["rc"], failing), **outcome)
    module.exit_json(**outcome)


if __name__ == "__main__":
    main()
