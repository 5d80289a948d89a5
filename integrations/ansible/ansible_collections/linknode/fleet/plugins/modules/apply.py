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
  - In check mode C(linknode apply --check) plans the changes and sends no configuration.
  - "In diff mode each device that changes shows its fields as C(field: value) lines, before
    and after."
options:
  site:
    description:
      - The site file on the managed host, in the inventory format of C(linknode) (format
        C(linknode-inventory), version 1, a list of devices); each entry holds C(mac) and
        the fields to set.
    type: path
    required: true
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
  interface:
    description:
      - Broadcasts through these network adapters only and takes replies from them only.
    type: list
    elements: str
  strict:
    description:
      - Passed as C(--strict); a device of the site file that does not answer refuses the
        whole run, nothing sent. Without it the other devices change and the silent ones
        are reported not confirmed.
    type: bool
    default: false
  linknode:
    description:
      - The C(linknode) program, a name looked up in the PATH or a path.
    type: path
    default: linknode
extends_documentation_fragment:
  - ansible.builtin.action_common_attributes
attributes:
  check_mode:
    support: full
  diff_mode:
    support: full
  platform:
    platforms: posix
requirements:
  - C(linknode) 1.3 or later on the managed host.
notes:
  - C(linknode) listens on UDP port 2024, so the window program must not run on the managed
    host at the same time.
  - The changes and the diff show the login strings as the devices hold them; a gateway's
    MQTT user and password travel there. Use C(no_log) on the task where that matters.
author:
  - linknode-tool maintainers
"""

EXAMPLES = r"""
- name: Bring the devices of this segment to the site file
  linknode.fleet.apply:
    site: /etc/linknode/site.json

- name: Show what would change, sending nothing
  linknode.fleet.apply:
    site: "/srv/linknode/sites/{{ inventory_hostname }}.json"
  check_mode: true
  diff: true

- name: Devices behind the second adapter, slowly, with a spare address for swaps
  linknode.fleet.apply:
    site: /srv/site-b.json
    interface: [eth1]
    spare: [10.40.7.250]
    retries: 3
    rate: 2000
    linknode: /opt/linknode/bin/linknode
"""

RETURN = r"""
changed:
  description: Whether any device was confirmed with new values (in check mode, planned).
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
      description: C(confirmed), C(not-confirmed), C(unchanged), C(refused), C(not-tried)
        or, in check mode, C(planned).
      type: str
    wave:
      description: The wave the device changed in, from 1; absent for an unchanged device.
      type: int
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
"""

import json
import os

from ansible.module_utils.basic import AnsibleModule

# A device counts as changed once it took its new values, or would take them in check mode.
CHANGING = ("confirmed", "planned")


def apply_command(binary, params, check_mode):
    site = params["site"]
    # A path that starts with "-" would read as an option, or as standard input.
    if site.startswith("-"):
        site = os.path.join(".", site)
    command = [binary, "apply", site, "--format", "json"]
    if check_mode:
        command.append("--check")
    if params["strict"]:
        command.append("--strict")
    if params["bypass"]:
        command.append("--bypass")
    for address in params["spare"] or []:
        command += ["--spare", address]
    for name in params["interface"] or []:
        command += ["--interface", name]
    for option in ("retries", "rate"):
        if params[option] is not None:
            command += ["--" + option, str(params[option])]
    return command


def read_result(stdout):
    try:
        result = json.loads(stdout)
    except ValueError:
        return None
    if not isinstance(result, dict) or result.get("verb") != "apply":
        return None
    return result


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
        if device.get("status") in CHANGING and device.get("changes")
    ]


def main():
    module = AnsibleModule(
        argument_spec=dict(
            site=dict(type="path", required=True),
            spare=dict(type="list", elements="str"),
            retries=dict(type="int"),
            rate=dict(type="int"),
            bypass=dict(type="bool", default=False),
            interface=dict(type="list", elements="str"),
            strict=dict(type="bool", default=False),
            linknode=dict(type="path", default="linknode"),
        ),
        supports_check_mode=True,
    )
    binary = module.params["linknode"]
    if os.sep not in binary:
        binary = module.get_bin_path(binary, required=True)

    command = apply_command(binary, module.params, module.check_mode)
    status, stdout, stderr = module.run_command(command)
    result = read_result(stdout)
    if result is None:
        module.fail_json(
            msg="linknode apply gave no result (exit status %d): %s" % (status, stderr.strip()),
            exit_status=status,
        )

    devices = result.get("devices", [])
    outcome = dict(
        changed=any(device.get("status") in CHANGING for device in devices),
        devices=devices,
        datagrams=result.get("datagrams", 0),
        exit_status=status,
    )
    if module._diff:
        outcome["diff"] = device_diffs(devices)
    if status != 0:
        module.fail_json(
            msg=result.get("error") or "linknode apply exited with status %d" % status, **outcome
        )
    module.exit_json(**outcome)


if __name__ == "__main__":
    main()
