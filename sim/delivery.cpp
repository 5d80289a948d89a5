    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
#    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
"    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
/    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
y    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
"    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
{    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
<    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
>    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
D    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
<    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
D    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
>    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
,    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
Q    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
H    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
A    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
{    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
<    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
>    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
b    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
y    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
N    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
|    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
|    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
Q    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
H    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
A    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
B    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
b    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
q    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
3    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
2    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
I    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
P    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
4    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
A    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
0    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
<    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
+    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
+    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
{    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
y    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
{    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
b    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
}    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
I    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
4    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
[    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
]    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
!    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
|    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
|    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
!    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
I    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
4    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
[    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
]    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
b    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
g    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
B    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
*    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
!    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
0    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
x    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
F    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
F    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
F    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
F    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
F    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
F    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
F    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
F    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
*    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
|    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
~    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
*    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
*    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
|    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
|    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
g    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
B    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
b    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
}    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
}    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
<    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
>    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
D    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
<    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
D    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
>    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
,    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
<    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
>    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
,    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
C    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
{    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
C    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
K    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
N    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
w    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
C    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
g    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
{    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
<    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
>    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
M    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
[    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
]    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
g    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
-    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
>    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
b    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
}    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
C    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
K    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
R    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
{    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
/    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
/    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
T    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
x    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
w    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
w    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
,    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
b    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
g    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
I    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
4    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
x    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
<    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
>    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
z    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
g    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
&    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
I    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
v    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
4    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
f    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
[    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
]    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
=    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
g    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
.    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
_    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
b    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
(    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
)    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
}    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
t    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
u    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
r    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
h    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
;    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
}    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
}    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
/    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
/    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
p    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
a    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
c    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
     if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
l    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
k    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
n    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
o    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
d    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
e    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
:    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
s    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
i    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
m    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }

    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset that carries blanks or another spelling of the address is one
        // the tool got wrong, and shows as reaching nobody.
        std::vector<size_t> named;
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
