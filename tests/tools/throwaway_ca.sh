# Sourced by the signing tests: throwaway_ca CA_PEM CERT_PEM KEY_PEM makes a CA that
# lives two days and a code-signing certificate and key issued by it (openssl).
throwaway_ca() {
  local ca=$1 cert=$2 key=$3
  openssl req -x509 -newkey rsa:2048 -nodes -keyout "$ca.key" -out "$ca" -days 2 -subj "/CN=Throw-away CA" \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign >/dev/null 2>&1 &&
    openssl req -newkey rsa:2048 -nodes -keyout "$key" -out "$cert.csr" -subj "/CN=Test Signer" >/dev/null 2>&1 &&
    printf 'extendedKeyUsage=codeSigning\nkeyUsage=digitalSignature\n' >"$cert.ext" &&
    openssl x509 -req -in "$cert.csr" -CA "$ca" -CAkey "$ca.key" -CAcreateserial -out "$cert" -days 2 \
      -extfile "$cert.ext" >/dev/null 2>&1
}
