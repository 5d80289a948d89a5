# -*- coding: utf-8 -*-
# Copyright: 2026 linknode-tool maintainers. All rights reserved.

from __future__ import absolute_import, division, print_function

__metaclass__ = type


class ModuleDocFragment(object):
    # The options of module_utils.linknode, which every module of the collection takes.
    DOCUMENTATION = r"""
options:
  interface:
    description:
      - Broadcasts through these network adapters only and takes replies from them only.
    type: list
    elements: str
  linknode:
    description:
      - The C(linknode) program, a name looked up in the PATH or a path.
    type: path
    default: linknode
requirements:
  - C(linknode) 1.3 or later on the managed host, which must sit on the segment of the
    devices, since their broadcasts never cross a router.
notes:
  - C(linknode) listens on UDP port 2024, so the window program must not run on the managed
    host at the same time.
"""
