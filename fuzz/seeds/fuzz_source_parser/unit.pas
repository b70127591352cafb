unit Main;
interface
resourcestring
  SHello = 'Hello'#13#10'world';
{ c } (* d *) // e
const X = $1F + 1.5e3 - 5;
char* s = "a\tb\x41";
implementation
end.
